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
    "Alt-clic sur le plan de travail affiche ou masque cette palette.\r\n"
    "SHIFT-CLIC : passe d'un outil à l'autre.\r\n"
    "QZV : un clic sur le logo applique tout de suite les valeurs des préférences.\r\n"
    "QZV-SPACE : avec Espace enfoncé, ce clic supprime d'abord le groupe du dernier tracé.",
    "COULEURS\r\n"
    "La pastille à gauche de l'épaisseur, ou l'article « Couleurs... » du menu, ouvre le dialogue des couleurs du fond et du contour. Les nouvelles valeurs deviennent celles par défaut des tracés suivants. La flèche au-dessus de la pastille permute le fond et le contour.",
    "CERCLE 1\r\n"
    "Cercle par son centre et un point.\r\n"
    "Cliquez le centre puis glissez jusqu'au rayon voulu ; Maj arrondit le rayon au pas des préférences.\r\n"
    "Le rayon se règle exactement dans la palette : tapez la valeur, le cercle garde son centre.",
    "CERCLE 2\r\n"
    "Cercle passant par 2 points.\r\n"
    "Cliquez les deux points, puis glissez : le centre suit leur médiatrice.\r\n"
    "Alt donne le cercle dont le diamètre joint les deux points. Un rayon tapé plus petit que la demi-distance devient cette demi-distance.",
    "CERCLE 3\r\n"
    "Cercle passant par 3 points (cercle circonscrit).\r\n"
    "Cliquez deux points puis le troisième, et glissez pour l'ajuster.\r\n"
    "Trois points alignés n'ont pas de cercle : une alerte le dit.",
    "ARC/SECTEUR 1\r\n"
    "Arc par son centre et son point de départ.\r\n"
    "Cliquez le centre, puis le début de l'arc, et glissez jusqu'à sa fin.\r\n"
    "Le rayon, l'angle de l'arc et l'angle de départ se règlent dans la palette ; l'arc garde son centre.",
    "TOUCHES ARC/SECTEUR 1\r\n"
    "Alt : passe du petit au grand arc.\r\n"
    "Maj : l'angle de l'arc va de multiple en multiple de l'angle des préférences (10° par défaut).\r\n"
    "Ctrl : passe de l'arc au secteur.",
    "ARC/SECTEUR 2\r\n"
    "Arc par ses 2 extrémités.\r\n"
    "Cliquez le début puis la fin : ces deux points restent fixes et le centre suit la souris.\r\n"
    "Un angle tapé dans la palette recalcule le rayon ; un rayon tapé recalcule l'angle.",
    "TOUCHES ARC/SECTEUR 2\r\n"
    "Alt : passe du petit au grand arc entre les deux mêmes extrémités.\r\n"
    "Ctrl : passe de l'arc au secteur.\r\n"
    "Le bouton Saillant/Rentrant de la palette fait de même après coup.",
    "ARC/SECTEUR 3\r\n"
    "Arc passant par 3 points.\r\n"
    "Cliquez le début, un point de passage, puis glissez jusqu'à la fin.\r\n"
    "Le rayon, l'angle et l'orientation se règlent ensuite dans la palette.",
    "TOUCHES ARC/SECTEUR 3\r\n"
    "Ctrl : passe de l'arc au secteur.\r\n"
    "L'arc passe toujours par le point du milieu ; Alt montre l'autre arc.\r\n"
    "Le menu « Secteur » choisit le genre des arcs suivants.",
    "TANGENTE 1\r\n"
    "Cercle tangent à une droite.\r\n"
    "Cliquez la droite, puis glissez vers le centre voulu : le cercle reste tangent à la droite.\r\n"
    "Un rayon tapé dans la palette garde le cercle du même côté.",
    "TANGENTE 2\r\n"
    "Cercle tangent à 2 droites.\r\n"
    "Cliquez les deux droites puis glissez : le cercle reste dans leur angle.\r\n"
    "Alt donne l'autre cercle tangent, dans l'angle voisin. Le rayon se tape dans la palette.",
    "TANGENTE 3\r\n"
    "Cercle tangent à 3 droites.\r\n"
    "Cliquez les trois droites l'une après l'autre : le cercle inscrit apparaît.\r\n"
    "Alt donne un autre cercle tangent aux trois. Son rayon est fixé par les droites.",
    "RECTANGLE\r\n"
    "Rectangle par 2 coins opposés, à l'échelle de la palette.\r\n"
    "La longueur, la largeur et l'orientation se règlent dans la palette : tapez une valeur, le rectangle suit.",
    "RECTANGLE CENTRÉ\r\n"
    "Rectangle centré : cliquez le centre puis glissez jusqu'à un coin.\r\n"
    "Longueur, largeur et orientation se règlent dans la palette, comme pour le rectangle simple.",
    "RECTANGLE ARRONDI\r\n"
    "Rectangle arrondi par 2 coins opposés.\r\n"
    "Longueur, largeur et orientation se règlent dans la palette, ainsi que le rayon de l'arrondi ; un rayon négatif creuse les coins. Les boutons voisins choisissent quart de cercle ou arrondi personnalisé.",
    "RECTANGLE ARRONDI CENTRÉ\r\n"
    "Rectangle arrondi centré : cliquez le centre puis glissez jusqu'à un coin.\r\n"
    "Longueur, largeur, orientation et arrondi se règlent dans la palette. Les côtés valent au moins deux fois l'arrondi.",
    "SEGMENT\r\n"
    "Segment à l'échelle de la palette : cliquez le début, glissez jusqu'à la fin.\r\n"
    "La longueur et l'orientation se règlent dans la palette.\r\n"
    "En ligne polygonale, un clic sur le dernier point termine la ligne.",
    "LIGNE POLYGONALE\r\n"
    "Ligne polygonale : chaque clic ajoute un sommet.\r\n"
    "La longueur et l'orientation du dernier segment se règlent dans la palette.\r\n"
    "Un clic sur le premier point ferme la ligne ; sur le dernier, il la termine.",
    "SEGMENT CENTRÉ\r\n"
    "Segment centré : cliquez le milieu, puis glissez jusqu'à une extrémité ; l'autre extrémité suit à l'opposé.\r\n"
    "La longueur totale et l'orientation se règlent dans la palette.",
    "TOUCHES OUTIL RECTANGLE\r\n"
    "Espace : fait tourner le rectangle, le rectangle arrondi ou le segment pendant le tracé.\r\n"
    "Maj : l'angle va de 45° en 45°.\r\n"
    "Flèches haut et bas : arrondi plus ou moins grand.",
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
