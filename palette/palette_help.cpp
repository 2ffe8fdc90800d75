#include "palette/palette_help.h"

#include "host/suites.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

// Each page starts with its title line; the pane shows it.
constexpr const char* kPageTitles[kHelpPageCount] = {
    "ALT-CLIC",
    "COULEURS",
    "CERCLE 1",
    "CERCLE 2",
    "CERCLE 3",
    "ARC/SECTEUR 1",
    "TOUCHES ARC/SECTEUR 1",
    "ARC/SECTEUR 2",
    "TOUCHES ARC/SECTEUR 2",
    "ARC/SECTEUR 3",
    "TOUCHES ARC/SECTEUR 3",
    "TANGENTE 1",
    "TANGENTE 2",
    "TANGENTE 3",
    "RECTANGLE",
    "RECTANGLE CENTRÉ",
    "RECTANGLE ARRONDI",
    "RECTANGLE ARRONDI CENTRÉ",
    "SEGMENT",
    "LIGNE POLYGONALE",
    "SEGMENT CENTRÉ",
    "TOUCHES OUTIL RECTANGLE",
};

}  // namespace

const char* HelpPageTitle(int32_t page) {
    return page >= 1 && page <= kHelpPageCount ? kPageTitles[page - 1] : nullptr;
}

void PaletteShowHelpPage() {
    PaletteState& p = gGlobals->paletteState;
    // A page count or page read from anywhere stays within the pages there are.
    if (p.helpPageCount < 1 || p.helpPageCount > kHelpPageCount) p.helpPageCount = kHelpPageCount;
    if (p.helpPage < 1) p.helpPage = 1;
    if (p.helpPage > p.helpPageCount) p.helpPage = p.helpPageCount;
    if (ItemRef pane = PaletteItem(kItemHelpText)) sItem->SetText(pane, HelpPageTitle(p.helpPage));
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

}  // namespace qzv
