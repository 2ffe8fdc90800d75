#include "path_styles.h"

namespace qzv {

namespace {

constexpr int32_t kCapRound = 1;
constexpr int32_t kJoinMiter = 0;
constexpr float kMiterLimit = 10.0f;

PaintColor PlainColour(const PaintSide& side) {
    PaintColor c{};
    if (side.rgb) {
        c.kind = kPaintRGB;
        c.red = side.redOrGray / 255.0f;
        c.green = side.green / 255.0f;
        c.blue = side.blue / 255.0f;
    } else {
        c.kind = kPaintGray;
        c.gray = side.redOrGray / 100.0f;
    }
    return c;
}

PaintColor PatternColour(const PaintSide& side, PatternHandle pattern) {
    PaintColor c{};
    c.kind = kPaintPattern;
    c.pattern = pattern;
    c.shiftDistance = 0.0f;
    c.shiftAngle = 0.0f;
    c.scaleH = side.patternScale;
    c.scaleV = side.patternScale;
    c.rotation = side.patternAngle;
    c.reflect = 0;
    c.reflectAngle = 0.0f;
    c.shearAngle = 0.0f;
    c.shearAxis = 0.0f;
    c.transform = RealMatrix{1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f};
    return c;
}

// The side's colour; a pattern that cannot be found turns the side's
// pattern off and reports it.
PaintColor SideColour(PaintSide& side, PatternLookup lookup, void* context, bool& missing) {
    missing = false;
    if (side.patternOn) {
        const PatternHandle pattern = lookup ? lookup(context, side.patternNumber) : nullptr;
        if (pattern) {
            return PatternColour(side, pattern);
        }
        missing = true;
        side.patternOn = false;
    }
    return PlainColour(side);
}

void SetRoundStroke(StrokeStyle& stroke) {
    stroke.cap = kCapRound;
    stroke.join = kJoinMiter;
    stroke.miterLimit = kMiterLimit;
}

}  // namespace

StyleReport BuildPathStyles(PaintSettings& settings, float strokeWeight, PatternLookup lookup,
                            void* context, DerivedStyles& styles) {
    StyleReport report{};
    PathStyle& shape = styles.shape;

    shape.fill = SideColour(settings.fill, lookup, context, report.fillPatternMissing);
    shape.fillPaint = (settings.fill.paintOn || settings.fill.patternOn) ? 1 : 0;

    shape.stroke.color = SideColour(settings.stroke, lookup, context, report.strokePatternMissing);
    shape.strokePaint = (settings.stroke.paintOn || settings.stroke.patternOn) ? 1 : 0;
    if (shape.strokePaint) {
        shape.stroke.width = strokeWeight;
        if (!settings.stroke.patternOn) {
            SetRoundStroke(shape.stroke);
        }
    }

    styles.mark = BuildMarkStyle(settings, strokeWeight);
    return report;
}

PathStyle BuildMarkStyle(const PaintSettings& settings, float strokeWeight) {
    PathStyle mark{};
    mark.fillPaint = 0;
    mark.fill = PaintColor{};
    mark.strokePaint = 1;
    mark.stroke.color = PlainColour(settings.stroke);
    mark.stroke.width = strokeWeight;
    SetRoundStroke(mark.stroke);
    return mark;
}

void SetStrokeWeights(DerivedStyles& styles, float weight) {
    styles.shape.stroke.width = weight;
    styles.mark.stroke.width = weight;
}

}  // namespace qzv
