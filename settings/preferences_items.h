// The preferences dialog's items, as tables: every item with its kind,
// rectangle, page, text and tooltip; the numeric fields with the pending
// copy each edits, its units and range; the check boxes with theirs; the
// label buttons with the field each focuses; the factory values of
// "Par défaut".
#pragma once
#include <float.h>
#include <stdint.h>

#include "sdk_all.h"
#include "settings/settings.h"

namespace qzv {

enum PrefsItemId : int32_t {
    kPrefsOK = 1, kPrefsCancel = 2, kPrefsDefaults = 3,
    kPrefsSound = 120, kPrefsWeight = 121, kPrefsMarkWeight = 122, kPrefsBranches = 123,
    kPrefsMagnetism = 124, kPrefsShiftRadius = 125, kPrefsShiftAngle = 126, kPrefsCentre = 127,
    kPrefsTangent = 128, kPrefsRandom = 129, kPrefsAngle = 130, kPrefsLayer = 131, kPrefsSector = 132,
    kPrefsGroupTools = 133, kPrefsNote = 134, kPrefsColours = 135, kPrefsColoursPage = 136,
    kPrefsTolerance = 156, kPrefsScale = 167, kPrefsScaleLabel = 168, kPrefsPrecision = 169,
    kPrefsSample = 170, kPrefsPage = 171, kPrefsPolyline = 172, kPrefsRounding = 173,
    kPrefsRoundingIcon = 174, kPrefsRotation = 175, kPrefsQuarterCircle = 177, kPrefsCustomRounding = 178,
};

enum class PrefsKind { kSpin, kIcon, kCheck, kPopup, kStatic, kRadio, kButton };
// Which page shows an item; kBoth items are always shown.
enum class PrefsPage { kBoth, kCircles, kRectangles };

struct PrefsItem {
    int32_t id;
    PrefsKind kind;
    IntRect bounds;   // left, top, right, bottom in dialog coordinates
    PrefsPage page;
    const char* text;
    const char* tip;
};

inline constexpr const char* kTipColours = "Dialogue des couleurs (fond et contour).";
inline constexpr const char* kTipLayerOn = "Les tracés seront sur un nouveau calque (QZV•Orbiquad).";
inline constexpr const char* kTipLayerOff = "Les tracés créés seront sur le calque actif.";

// In the order the dialog makes them.
inline constexpr PrefsItem kPrefsItems[] = {
    {121, PrefsKind::kSpin, {30, 14, 84, 36}, PrefsPage::kBoth, nullptr, "Épaisseur par défaut."},
    {141, PrefsKind::kIcon, {20, 14, 30, 36}, PrefsPage::kBoth, nullptr, "Épaisseur par défaut."},
    {135, PrefsKind::kIcon, {0, 14, 20, 36}, PrefsPage::kBoth, nullptr, kTipColours},
    {124, PrefsKind::kCheck, {95, 17, 199, 33}, PrefsPage::kBoth, "Magnétisme.", "Magnétisme ou non par défaut."},
    {156, PrefsKind::kSpin, {270, 14, 324, 36}, PrefsPage::kBoth, nullptr, "Distance du magnétisme par défaut."},
    {157, PrefsKind::kIcon, {248, 14, 276, 36}, PrefsPage::kBoth, nullptr, "Distance du magnétisme par défaut."},
    {169, PrefsKind::kSpin, {270, 43, 302, 65}, PrefsPage::kBoth, nullptr,
     "Nombre de chiffres après la virgule des infos pendant le tracé (de 0 à 5)."},
    {170, PrefsKind::kIcon, {244, 48, 268, 70}, PrefsPage::kBoth, nullptr,
     "Nombre de chiffres après la virgule des infos pendant le tracé (de 0 à 5)."},
    {167, PrefsKind::kPopup, {30, 43, 84, 60}, PrefsPage::kBoth, nullptr, "Échelle du dessin"},
    {168, PrefsKind::kStatic, {5, 43, 29, 65}, PrefsPage::kBoth, "Éch.", "Échelle par défaut."},
    {120, PrefsKind::kCheck, {270, 72, 320, 88}, PrefsPage::kBoth, "Son.", "Active/Supprime le son de QZV•Orbiquad."},
    {131, PrefsKind::kCheck, {28, 72, 228, 88}, PrefsPage::kBoth, "Tracés sur un calque séparé.", kTipLayerOff},
    {133, PrefsKind::kCheck, {28, 92, 264, 108}, PrefsPage::kBoth, "Associer l'outil à l'outil Ellipse.",
     "Outil indépendant ou associé à l'outil Ellipse."},
    {134, PrefsKind::kStatic, {36, 92, 276, 123}, PrefsPage::kBoth, nullptr, nullptr},
    {171, PrefsKind::kPopup, {12, 127, 176, 147}, PrefsPage::kBoth, nullptr, nullptr},
    {127, PrefsKind::kCheck, {95, 158, 235, 174}, PrefsPage::kCircles, "Marquer le centre.",
     "Marquer ou non le centre par défaut."},
    {122, PrefsKind::kSpin, {30, 155, 84, 177}, PrefsPage::kCircles, nullptr,
     "Épaisseur pour le centre et les points de tangence."},
    {142, PrefsKind::kIcon, {20, 155, 30, 177}, PrefsPage::kCircles, nullptr,
     "Épaisseur pour le centre et les points de tangence."},
    {136, PrefsKind::kIcon, {0, 155, 20, 177}, PrefsPage::kBoth, nullptr, kTipColours},
    {123, PrefsKind::kSpin, {30, 182, 84, 204}, PrefsPage::kCircles, nullptr,
     "Longueur des traits du centre et des traits de tangence."},
    {143, PrefsKind::kIcon, {0, 182, 28, 204}, PrefsPage::kCircles, nullptr,
     "Longueur des traits du centre et des traits de tangence."},
    {129, PrefsKind::kCheck, {95, 185, 223, 201}, PrefsPage::kCircles, "Orientation aléa.",
     "Aléatoire/Fixe (angle d'orientation par défaut du point central)."},
    {130, PrefsKind::kSpin, {270, 182, 324, 204}, PrefsPage::kCircles, nullptr,
     "Valeur fixe de l'angle du point central par défaut."},
    {128, PrefsKind::kCheck, {95, 212, 240, 228}, PrefsPage::kCircles, "Points de tangence.",
     "Marquer ou non les points de tangence par défaut."},
    {132, PrefsKind::kCheck, {270, 158, 320, 174}, PrefsPage::kCircles, "Sect.", "Secteur ou arc par défaut."},
    {125, PrefsKind::kSpin, {30, 209, 84, 231}, PrefsPage::kCircles, nullptr,
     "Avec shift, le rayon variera par pas de…."},
    {154, PrefsKind::kIcon, {0, 209, 28, 231}, PrefsPage::kCircles, nullptr,
     "Avec shift, le rayon variera par pas de…."},
    {126, PrefsKind::kSpin, {270, 209, 324, 231}, PrefsPage::kCircles, nullptr,
     "Avec shift, l'angle variera par pas de…"},
    {155, PrefsKind::kIcon, {250, 209, 270, 231}, PrefsPage::kCircles, nullptr,
     "Avec shift, l'angle variera par pas de…"},
    {173, PrefsKind::kSpin, {30, 155, 84, 177}, PrefsPage::kRectangles, nullptr,
     "Rayon par défaut de l'arrondi des rectangles."},
    {174, PrefsKind::kIcon, {0, 155, 28, 177}, PrefsPage::kRectangles, nullptr,
     "Rayon par défaut de l'arrondi des rectangles."},
    {175, PrefsKind::kSpin, {270, 155, 324, 177}, PrefsPage::kRectangles, nullptr,
     "Angle de rotation des rectangles par défaut."},
    {176, PrefsKind::kIcon, {250, 155, 270, 177}, PrefsPage::kRectangles, nullptr,
     "Angle de rotation des rectangles par défaut."},
    {172, PrefsKind::kCheck, {95, 158, 199, 174}, PrefsPage::kRectangles, "Ligne Poly.",
     "Ligne polygonale ou simple segment par défaut."},
    {177, PrefsKind::kRadio, {30, 190, 49, 209}, PrefsPage::kRectangles, nullptr,
     "Arrondi en quart de cercle tourné vers l'intérieur ou l'extérieur."},
    {178, PrefsKind::kRadio, {62, 190, 81, 209}, PrefsPage::kRectangles, nullptr, "Arrondi personnalisé (éditable)."},
    {2, PrefsKind::kButton, {10, 248, 78, 268}, PrefsPage::kBoth, "Annuler", "Aucune modification."},
    {3, PrefsKind::kButton, {132, 248, 214, 268}, PrefsPage::kBoth, "Par défaut", "Retour aux réglages d'origine."},
    {1, PrefsKind::kButton, {271, 248, 329, 268}, PrefsPage::kBoth, "OK",
     "Validation des nouveaux réglages par défaut."},
};

// A numeric field and the pending copy it edits. Values are shown in
// `units` (a length in millimetres is still held in points); `degrees`
// fields hold radians. Integer fields round what is typed. A value outside
// min..max is brought back into it; a value that is not a number is
// refused and the field shows the pending copy again.
struct PrefsField {
    int32_t id;
    float GeneralSettings::*real;   // null for the two integer fields
    int32_t units;
    int32_t decimals;
    float smallStep, largeStep;
    float minimum, maximum;
    bool degrees;
};

inline constexpr float kMillimetre = 2.8346457f;
inline constexpr float kCentimetre = 28.346457f;
inline constexpr float kNoMaximum = FLT_MAX;

inline constexpr PrefsField kPrefsFields[] = {
    {121, &GeneralSettings::Epaisseur, kUnitsPoints, 1, 0.1f, 1.0f, 0.0f, kNoMaximum, false},
    {122, &GeneralSettings::EpaisCentre, kUnitsPoints, 1, 0.1f, 1.0f, 0.0f, kNoMaximum, false},
    {123, &GeneralSettings::Branches, kUnitsMillimeters, 1, kMillimetre, kCentimetre, 0.0f, kNoMaximum, false},
    {125, &GeneralSettings::ShiftRayon, kUnitsMillimeters, 1, kMillimetre, kCentimetre, 0.0f, kNoMaximum, false},
    {126, &GeneralSettings::ShiftAngle, kUnitsDegrees, 1, 1.0f, 10.0f, 0.0f, kNoMaximum, true},
    {130, &GeneralSettings::Angle, kUnitsDegrees, 1, 1.0f, 10.0f, 0.0f, kNoMaximum, true},
    {173, &GeneralSettings::Arrondi, kUnitsPoints, 1, 1.0f, 10.0f, -kNoMaximum, kNoMaximum, false},
    {175, &GeneralSettings::RotRectangle, kUnitsDegrees, 1, 1.0f, 10.0f, -360.0f, 360.0f, true},
    // "Tolerance" is a 16-bit count of pixels; "Precision" 0 to 5 decimals.
    {156, nullptr, kUnitsPoints, 0, 1.0f, 10.0f, 0.0f, 32767.0f, false},
    {169, nullptr, kUnitsNone, 0, 1.0f, 1.0f, 0.0f, 5.0f, false},
};

struct PrefsCheck {
    int32_t id;
    bool GeneralSettings::*flag;
};

inline constexpr PrefsCheck kPrefsChecks[] = {
    {124, &GeneralSettings::Magnetisme}, {120, &GeneralSettings::Son},     {131, &GeneralSettings::Calque},
    {133, &GeneralSettings::OutilsGroupe}, {127, &GeneralSettings::Centre}, {129, &GeneralSettings::Alea},
    {128, &GeneralSettings::Tangente},   {132, &GeneralSettings::Secteur}, {172, &GeneralSettings::LignePoly},
};

// Label buttons: a click gives the field its keyboard focus, text selected.
struct PrefsLabel {
    int32_t label, field;
};
inline constexpr PrefsLabel kPrefsLabels[] = {
    {141, 121}, {142, 122}, {143, 123}, {154, 125}, {155, 126},
    {157, 156}, {170, 169}, {174, 173}, {176, 175},
};

// "Par défaut": the factory values (the stroke weight is 1.2 here, not the
// 0.24 of a first start). The page and the custom scale are not touched.
GeneralSettings PrefsFactoryValues();

}  // namespace qzv
