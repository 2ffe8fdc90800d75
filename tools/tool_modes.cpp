#include "tools/tool_modes.h"

#include "plugin/globals.h"

namespace qzv {

namespace {

constexpr const char* kCircleModeNames[kCircleModeCount] = {
    "Cercle 1", "Cercle 2", "Cercle 3", "Arc/Secteur 1", "Arc/Secteur 2",
    "Arc/Secteur 3", "Tangente 1", "Tangente 2", "Tangente 3",
};

constexpr const char* kRectModeNames[kRectModeCount] = {
    "Rectangle", "Rectangle arrondi", "Segment", "Rectangle", "Rectangle arrondi", "Segment",
};

// The steps of each mode, by mode number.
const ModeSteps* const kCircleModes[kCircleModeCount] = {
    &kCircleCentreRadiusSteps, &kCircleTwoPointsSteps, &kCircleThreePointsSteps,
    &kArcCentreSteps,          &kArcTwoEndsSteps,      &kArcThreePointsSteps,
    &kTangentOneSteps,         &kTangentTwoSteps,      &kTangentThreeSteps,
};

const ModeSteps* const kRectModes[kRectModeCount] = {
    &kRectangleSteps, &kRectangleSteps, &kSegmentSteps,
    &kRectangleSteps, &kRectangleSteps, &kSegmentSteps,
};

}  // namespace

const ModeSteps* CircleModeSteps(int32_t mode) {
    return mode >= 0 && mode < kCircleModeCount ? kCircleModes[mode] : nullptr;
}

const ModeSteps* RectModeSteps(int32_t mode) {
    return mode >= 0 && mode < kRectModeCount ? kRectModes[mode] : nullptr;
}

const char* ModeName(int32_t tool, int32_t mode, bool polyline) {
    if (tool == kToolRect) {
        if (mode < 0 || mode >= kRectModeCount) return "";
        if (mode == kRectModeSegment && polyline) return "Ligne brisée";
        return kRectModeNames[mode];
    }
    return mode >= 0 && mode < kCircleModeCount ? kCircleModeNames[mode] : "";
}

}  // namespace qzv
