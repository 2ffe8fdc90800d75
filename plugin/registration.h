// What the plug-in announces to the host at start-up: its menu items, the
// two tools, the notifiers and the annotator; and what the menu items do.
#pragma once
#include "sdk_all.h"

namespace qzv {

HostErr RegisterMenus(MessageHeader* message);
HostErr RegisterTools(MessageHeader* message);
HostErr RegisterNotifiers(MessageHeader* message);
HostErr RegisterAnnotator(MessageHeader* message);

// "AI Menu"/"AI Go": the palette item toggles the palette, the about item
// opens the about box; any other item does nothing.
HostErr MenuCommand(MenuMessage* message);

// Sets the palette item's text from the palette's visibility.
HostErr UpdatePaletteMenuText(bool paletteVisible);

// The texts of the palette item.
inline constexpr const char* kShowPaletteText = "Afficher QZV•Orbiquad";
inline constexpr const char* kHidePaletteText = "Masquer QZV•Orbiquad";

}  // namespace qzv
