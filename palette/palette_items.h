// The palette's items as data: one row per item, in the order they are
// made, with type, rectangle, look, procedures, pictures, value, units,
// range, increments, popup entries and tooltip. Code walks the rows.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

// How an item paints itself.
enum class ItemLook : uint8_t {
    kManager,          // the dialog manager's own drawing
    kInvisible,        // nothing: the palette's drawing lies under it
    kModeButton,       // a mode bitmap, sunken and inverted while its mode is current
    kRoundingButton,   // a rounding-type bitmap, the same way
};

// Which notify procedure the item gets.
enum class ItemAction : uint8_t {
    kNone,
    kCircleMode,
    kRectMode,
    kLabel,
    kRoundingType,
    kValue,         // a field or the scale popup: its edit (palette_values.h)
    kButton,        // a button that acts on a click
    kButtonSpace,   // a button that also acts on a button-down with Space (the logo)
    kSpace,         // acts only on a button-down with Space (the scale label)
};

// Where the item's value comes from when the palette is built.
enum class ItemValue : uint8_t {
    kNone,
    kFalse,            // a boolean cleared
    kStrokeWeight,     // working "Epaisseur", points
    kRadius,           // the tool state's radius, shown at the drawing scale
    kCentreAngle,      // the tool state's sweep, degrees
    kStartAngle,       // the tool state's start angle, degrees
    kInclination,      // working "RotRectangle", degrees
    kRounding,         // working "Arrondi", points
    kCloneCount,
    kHelpPage,
    kHelpPageCount,
};

enum class ItemPopup : uint8_t {
    kNone,
    kCentreAngles,     // 30 .. 330 by 30
    kSignedAngles,     // -180 .. 180 by 30, separators after -30 and 0
    kScale,            // the drawing scales
};

struct ItemRange {
    bool hasMin, hasMax;
    float min, max;
    float smallStep, largeStep;   // 0: left to the dialog manager
};

struct ItemDef {
    int32_t id = 0;
    const char* type = nullptr;
    IntRect rect = {0, 0, 0, 0};
    ItemLook look = ItemLook::kManager;
    ItemAction action = ItemAction::kNone;
    int32_t picture = 0, selectedPicture = 0;
    ItemValue value = ItemValue::kNone;
    bool integer = false;          // the value is shown as a whole number
    int32_t units = kUnitsNone;
    ItemRange range = {false, false, 0.0f, 0.0f, 0.0f, 0.0f};
    ItemPopup popup = ItemPopup::kNone;
    const char* text = nullptr;    // fixed text of a static item
    int32_t justify = kJustifyLeft;
    int32_t font = 0;              // 0: the palette font
    bool hidden = false;           // at creation
    bool disabled = false;
    const char* tip = nullptr;
};

// The rows, in creation order.
extern const ItemDef kPaletteItems[];
extern const int kPaletteItemCount;

// The row of an item, or null.
const ItemDef* PaletteItemSpec(int32_t id);

// Mode buttons: the bitmap the palette draws and the tooltip at creation;
// the arc buttons 53 to 55 use the second bitmap and tooltip while the
// sector flag is set.
struct ModeButtonSpec {
    int32_t id;
    int32_t bitmap;
    const char* tip;
    const char* sectorTip;         // null: the same whatever the sector flag
};
extern const ModeButtonSpec kModeButtons[];
extern const int kModeButtonCount;
const ModeButtonSpec* ModeButton(int32_t id);

// The bitmap and tooltip of a mode button for the sector flag.
int32_t ModeButtonBitmap(const ModeButtonSpec& button, bool sector);
const char* ModeButtonTip(const ModeButtonSpec& button, bool sector);

// Makes every item of the table in `dialog`, with its procedures, values
// and popup entries; then the scale entry and the rounding-type button.
void PaletteCreateItems(DialogRef dialog);

// The pictures and tooltips of buttons 53 to 55 from the sector flag.
void PaletteSetSectorPictures(DialogRef dialog);

}  // namespace qzv
