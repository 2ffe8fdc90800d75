#include "settings/preferences_items.h"

namespace qzv {

GeneralSettings PrefsFactoryValues() {
    GeneralSettings g{};
    g.Epaisseur = 1.2f;
    g.EpaisCentre = 0.24f;
    g.Branches = 8.503937f;       // 3 mm
    g.ShiftRayon = 14.173228f;    // 5 mm
    g.ShiftAngle = 0.17453292f;   // 10 degrees
    g.Son = false;
    g.Magnetisme = true;
    g.Centre = true;
    g.Tangente = true;
    g.Alea = true;
    g.Angle = 0.0f;
    g.Calque = false;
    g.Tolerance = 8;
    g.Secteur = true;
    g.LignePoly = true;
    g.OutilsGroupe = false;
    g.EchelleNum = 1;
    g.EchelleDen = 1;
    g.Precision = 2;
    g.Arrondi = 12.0f;
    g.RotRectangle = 0.0f;
    g.TypeArrondi = 0;
    return g;
}

}  // namespace qzv
