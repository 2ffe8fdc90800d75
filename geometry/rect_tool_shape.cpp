#include "rect_tool_shape.h"

#include "rect_paths.h"

namespace qzv {

namespace {

ShapeBuild RectangleFor(const RectToolInput& in, bool centred) {
    if (in.rounding == 0.0f) {
        return BuildRectangle(in.length, in.width, centred, in.inclination, in.anchor);
    }
    return BuildRoundedRectangle(in.length, in.width, in.rounding, centred, in.inclination,
                                 in.anchor, in.roundingType, in.profile);
}

}  // namespace

RectToolResult BuildRectToolShape(const RectToolInput& in) {
    RectToolResult r{};
    r.outcome = RectToolOutcome::kShape;
    switch (in.mode) {
        case kRectModeRectangle:
        case kRectModeCentredRectangle: {
            const bool centred = in.mode == kRectModeRectangle ? in.centringToggle : !in.centringToggle;
            r.shape = BuildRectangle(in.length, in.width, centred, in.inclination, in.anchor);
            break;
        }
        case kRectModeRounded:
            r.shape = RectangleFor(in, in.centringToggle);
            break;
        case kRectModeCentredRounded:
            r.shape = RectangleFor(in, !in.centringToggle);
            break;
        case kRectModeSegment:
            if (in.tangentSubMode) {
                r.shape = BuildPerpendicularSegment(in.cursor, in.length, false, in.tangentBase,
                                                    in.tangentDirection);
            } else if (in.polylineOn) {
                r.outcome = RectToolOutcome::kPolylineEnd;
                const RealPoint end = PolylineEndPoint(in.previousVertex, in.length, in.segmentAngle);
                r.polyline = UpdatePolylineEnd(in.anchor, end, in.polylineSegmentCount);
            } else {
                r.shape = BuildSegment(in.length, in.centringToggle, in.segmentAngle, in.anchor);
            }
            break;
        case kRectModeCentredSegment:
            if (in.tangentSubMode) {
                r.shape = BuildPerpendicularSegment(in.cursor, in.length, true, in.tangentBase,
                                                    in.tangentDirection);
            } else {
                r.shape = BuildSegment(in.length, !in.centringToggle, in.segmentAngle, in.anchor);
            }
            break;
        default:
            r.outcome = RectToolOutcome::kNothing;
            break;
    }
    return r;
}

}  // namespace qzv
