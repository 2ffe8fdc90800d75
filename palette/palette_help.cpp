#include "palette/palette_help.h"

#include "host/suites.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

// Each page starts with its title line; lines end with a carriage
// return and a line feed.
constexpr const char* kPages[kHelpPageCount] = {
    "ALT-CLIC\r\n"
    "Alt-clic sur le plan : affiche ou masque la palette. SHIFT-CLIC : change d'outil. QZV : le "
    "logo rend les préférences. QZV-SPACE : avec Espace, supprime aussi le dernier groupe.",
    "COULEURS\r\n"
    "La pastille à gauche de l'épaisseur ou le menu « Couleurs... » règle le fond et le contour des "
    "tracés suivants. La flèche au-dessus les permute.",
    "CERCLE 1\r\n"
    "Cliquez le centre, glissez jusqu'au rayon ; Maj arrondit le rayon. Tapez un rayon dans la "
    "palette : le cercle garde son centre.",
    "CERCLE 2\r\n"
    "Cliquez deux points, glissez : le centre suit leur médiatrice. Alt : le cercle de diamètre ces "
    "deux points. Rayon mini : la demi-distance.",
    "CERCLE 3\r\n"
    "Cliquez trois points ; le troisième suit la souris jusqu'au relâché. Trois points alignés "
    "n'ont pas de cercle : une alerte le dit.",
    "ARC/SECTEUR 1\r\n"
    "Cliquez le centre, puis le début de l'arc, glissez jusqu'à la fin. Rayon, angle de l'arc et "
    "angle de départ se tapent dans la palette.",
    "TOUCHES ARC/SECTEUR 1\r\n"
    "Alt : petit ou grand arc. Maj : angle par pas de l'angle des préférences (10° par défaut). "
    "Ctrl : arc ou secteur.",
    "ARC/SECTEUR 2\r\n"
    "Cliquez le début puis la fin : ils restent fixes, le centre suit la souris. Un angle tapé "
    "recalcule le rayon, et inversement.",
    "TOUCHES ARC/SECTEUR 2\r\n"
    "Alt : petit ou grand arc entre les mêmes extrémités. Ctrl : arc ou secteur. Le bouton "
    "Saillant/Rentrant fait de même après coup.",
    "ARC/SECTEUR 3\r\n"
    "Cliquez le début, un point de passage, puis glissez jusqu'à la fin. Rayon, angle et "
    "orientation se tapent ensuite dans la palette.",
    "TOUCHES ARC/SECTEUR 3\r\n"
    "Ctrl : arc ou secteur. L'arc passe par le point du milieu ; Alt montre l'autre arc. Le menu « "
    "Secteur » règle les arcs suivants.",
    "TANGENTE 1\r\n"
    "Cliquez la droite, glissez vers le centre : le cercle reste tangent à la droite. Un rayon tapé "
    "le garde du même côté.",
    "TANGENTE 2\r\n"
    "Cliquez deux droites, glissez : le cercle reste dans leur angle. Alt : l'autre cercle tangent, "
    "dans l'angle voisin.",
    "TANGENTE 3\r\n"
    "Cliquez trois droites : le cercle tangent aux trois apparaît. Alt donne un autre cercle "
    "tangent. Son rayon est fixé par les droites.",
    "RECTANGLE\r\n"
    "Cliquez un coin, glissez au coin opposé, à l'échelle de la palette. Longueur, largeur et "
    "orientation se tapent dans la palette.",
    "RECTANGLE CENTRÉ\r\n"
    "Cliquez le centre, glissez jusqu'à un coin. Longueur, largeur et orientation se tapent dans la "
    "palette, comme pour le rectangle.",
    "RECTANGLE ARRONDI\r\n"
    "Comme le rectangle, avec le rayon d'arrondi en plus (négatif : coins creusés). Les boutons "
    "voisins : quart de cercle ou arrondi personnalisé.",
    "RECTANGLE ARRONDI CENTRÉ\r\n"
    "Cliquez le centre, glissez jusqu'à un coin. Longueur, largeur, orientation et arrondi se "
    "tapent ; les côtés valent au moins deux arrondis.",
    "SEGMENT\r\n"
    "Cliquez le début, glissez jusqu'à la fin, à l'échelle de la palette. Longueur et orientation "
    "se tapent. En ligne polygonale, un clic sur le dernier point la termine.",
    "LIGNE POLYGONALE\r\n"
    "Chaque clic ajoute un sommet ; longueur et orientation du dernier segment se tapent. Clic sur "
    "le premier point : ligne fermée.",
    "SEGMENT CENTRÉ\r\n"
    "Cliquez le milieu, glissez jusqu'à une extrémité : l'autre suit à l'opposé. Longueur totale et "
    "orientation se tapent dans la palette.",
    "TOUCHES OUTIL RECTANGLE\r\n"
    "Espace : tourne le rectangle, le rectangle arrondi ou le segment pendant le tracé. Maj : par "
    "pas de 45°. Flèches haut, bas : l'arrondi.",
};

}  // namespace

const char* HelpPageText(int32_t page) {
    return page >= 1 && page <= kHelpPageCount ? kPages[page - 1] : nullptr;
}

void PaletteShowHelpPage() {
    PaletteState& p = gGlobals->paletteState;
    // A page count or page read from anywhere stays within the pages there are.
    if (p.helpPageCount < 1 || p.helpPageCount > kHelpPageCount) p.helpPageCount = kHelpPageCount;
    if (p.helpPage < 1) p.helpPage = 1;
    if (p.helpPage > p.helpPageCount) p.helpPage = p.helpPageCount;
    if (ItemRef pane = PaletteItem(kItemHelpText)) sItem->SetText(pane, HelpPageText(p.helpPage));
    ItemInt(kItemHelpPage, p.helpPage);
    ItemEnable(kItemHelpFirst, p.helpPage > 1);
    ItemEnable(kItemHelpNext, p.helpPage < p.helpPageCount);
}

void PaletteSetHelpPage(int32_t page) {
    const int32_t count = gGlobals->paletteState.helpPageCount;
    if (page < 1) page = 1;
    if (page > count) page = count;
    gGlobals->paletteState.helpPage = static_cast<int16_t>(page);
    PaletteShowHelpPage();
}

void PaletteNextHelpPage() {
    PaletteState& p = gGlobals->paletteState;
    PaletteShowHelpPage();   // a page read from anywhere is first held within the pages
    int32_t page = p.helpPage + 1;
    const bool more = page < p.helpPageCount;
    ItemTip(kItemHelpNext, more ? "Page suivante de l'aide." : "Dernière page de l'aide.");
    ItemTip(kItemHelpFirst, "Page précédente de l'aide.");
    if (!more) page = p.helpPageCount;
    PaletteSetHelpPage(page);
}

void PalettePreviousHelpPage() {
    PaletteState& p = gGlobals->paletteState;
    PaletteShowHelpPage();
    int32_t page = p.helpPage - 1;
    const bool more = page > 1;
    ItemTip(kItemHelpFirst, more ? "Page précédente de l'aide." : "Première page de l'aide.");
    ItemTip(kItemHelpNext, "Page suivante de l'aide.");
    if (!more) page = 1;
    PaletteSetHelpPage(page);
}

}  // namespace qzv
