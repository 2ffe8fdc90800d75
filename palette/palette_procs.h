// The procedures the palette gives the dialog manager, and the small item
// helpers they share. Every procedure brackets the suites (palette_bracket.h).
#pragma once
#include "sdk_all.h"

namespace qzv {

// ---- procedures installed by the item table and the init procedure ----
void DrawModeButton(ItemRef item, DrawerRef drawer);
void DrawRoundingButton(ItemRef item, DrawerRef drawer);
void DrawPalette(DialogRef dialog, DrawerRef drawer);

void NotifyCircleModeButton(ItemRef item, DlgNotifierRef notifier);
void NotifyRectModeButton(ItemRef item, DlgNotifierRef notifier);
void NotifyLabelButton(ItemRef item, DlgNotifierRef notifier);
void NotifyRoundingType(ItemRef item, DlgNotifierRef notifier);
void NotifyFlyout(ItemRef item, DlgNotifierRef notifier);
void NotifyPalette(DialogRef dialog, DlgNotifierRef notifier);
void DestroyPalette(DialogRef dialog);
HostErr InitPalette(DialogRef dialog);

// ---- items of the palette (nothing happens while it does not exist) ----
ItemRef PaletteItem(int32_t id);
void ItemEnable(int32_t id, bool enable);
void ItemShow(int32_t id, bool show);
void ItemEnableRange(int32_t first, int32_t last, bool enable);
void ItemShowRange(int32_t first, int32_t last, bool show);
void ItemTip(int32_t id, const char* tip);
void ItemFloat(int32_t id, float value);
void ItemInt(int32_t id, int32_t value);
void ItemBoolean(int32_t id, bool value);
void ItemRedraw(int32_t id);

// ---- flyout entries by id ----
void FlyoutEnable(int32_t entryId, bool enable);
void FlyoutCheck(int32_t entryId, bool check);

// The clone counter back to 0 (item 71 shows it, item 70 redrawn); nothing
// while it is 0 already.
void PaletteResetCloneCounter();

// The drawing scale factor of the working values (1 while either term is
// not a positive count).
float PaletteScaleFactor();

}  // namespace qzv
