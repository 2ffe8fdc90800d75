// Identifiers of the palette: its items (the dialog manager addresses them
// by these numbers), the entries of its flyout menu, the pictures and icons
// it shows, and the fixed texts of its title bar.
#pragma once
#include <stdint.h>

namespace qzv {

enum PaletteItem : int32_t {
    kItemCircleModeFirst = 50,     // 50..58: circle mode = id - 50
    kItemCircleModeLast = 58,
    kItemRectModeFirst = 90,       // 90..95: rectangle mode = id - 90
    kItemRectModeLast = 95,
    kItemLogo = 11,
    kItemStroke = 8,
    kItemStrokeLabel = 30,
    kItemColours = 31,
    kItemSwap = 81,
    kItemRadiusLabel = 44,
    kItemCentreAngleLabel = 45,
    kItemStartAngleLabel = 46,
    kItemLengthLabel = 47,
    kItemWidthLabel = 48,
    kItemInclinationLabel = 49,
    kItemComplement = 16,
    kItemRadius = 10,
    kItemCentreAngle = 14,
    kItemStartAngle = 15,
    kItemScale = 63,
    kItemScaleIndicator = 13,
    kItemScaleLabel = 64,
    kItemClone = 70,
    kItemCloneCount = 71,
    kItemLength = 72,
    kItemWidth = 73,
    kItemInclination = 74,
    kItemRounding = 75,
    kItemRoundingQuarter = 78,     // rounding type = id - 78
    kItemRoundingProfile = 79,
    kItemPolyline = 77,
    kItemHelpText = 60,
    kItemHelpNext = 61,
    kItemHelpFirst = 62,
    kItemHelpPage = 136,
    kItemHelpSlash = 137,
    kItemHelpPageCount = 138,
};

// Entries of the flyout menu (resource 128): the id is the entry's position + 1.
enum FlyoutEntry : int32_t {
    kFlySector = 1,
    kFlyCentreMark = 3,
    kFlyRandomCross = 4,
    kFlyTangentMarks = 6,
    kFlyColours = 8,
    kFlyProfileEditor = 9,
    kFlyPreferences = 11,
    kFlyHelp = 13,
    kFlyEntryCount = 13
};

// Pictures (bitmaps) and icons of the palette.
enum PalettePicture : int32_t {
    kPicLogo = 128,
    kPicLogoSelected = 129,
    kPicHelpNext = 132,
    kPicHelpNextSelected = 133,
    kPicHelpFirst = 134,
    kPicHelpFirstSelected = 135,
    kPicCircleModeFirst = 150,     // 150..158, the arcs 153..155
    kPicSectorOffset = 100,        // 253..255: the arcs as sectors
    kPicScaleIndicator = 159,
    kPicRectModeFirst = 300,       // 300..305
    kPicRoundingFirst = 403,       // 403, 404: rounding type 0, 1
    kIconComplementOff = 17010,
    kIconComplementOn = 17011,
    kIconCloneActive = 18012,
    kIconCloneIdle = 18013,
    kIconRadiusLabel = 19000,
    kIconCentreAngleLabel = 19001,
    kIconStartAngleLabel = 19002,
    kIconLengthLabel = 19003,
    kIconWidthLabel = 19004,
    kIconInclinationLabel = 19005,
    kIconSwap = 19007,
    kIconSegment = 19008,
    kIconPolyline = 19009,
    kIconRectangle = 19010,
    kIconPaletteFirst = 5041,      // the palette window's two icons
    kIconPaletteSecond = 5042,
};

inline constexpr const char* kPaletteName = "QZVARC";
inline constexpr const char* kCircleTitle = "Zivo & Voraved 6.4";
inline constexpr const char* kRectTitle = "Rectangles 6.4";

// The palette's size: narrow, and widened by the help pane.
inline constexpr int32_t kPaletteWidth = 172;
inline constexpr int32_t kPaletteHelpWidth = 344;
inline constexpr int32_t kPaletteHeight = 90;

}  // namespace qzv
