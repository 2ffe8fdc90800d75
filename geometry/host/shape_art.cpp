#include "shape_art.h"

#include "host/host_text.h"
#include "host/suites.h"
#include "settings/settings.h"

namespace qzv {

namespace {

// The pattern lookup of the style builder: the document's n-th pattern, or
// null when the document has none at that number.
PatternHandle FindPattern(void*, int32_t number) {
    if (!sPattern || number < 0) {
        return nullptr;
    }
    PatternHandle pattern = nullptr;
    if (sPattern->GetNthPattern(number, &pattern) != kNoErr) {
        return nullptr;
    }
    return pattern;
}

}  // namespace

ShapeContext ShapeContextOf(const WorkingValues& working, DerivedStyles& styles) {
    ShapeContext ctx{};
    ctx.styles = &styles;
    ctx.shapeWeight = working.Epaisseur;
    ctx.markWeight = working.EpaisCentre;
    ctx.branchLength = working.Branches;
    ctx.randomCross = working.Alea;
    ctx.crossAngle = working.Angle;
    return ctx;
}

bool ArtExists(ArtHandle art) {
    return art != nullptr && sArt != nullptr && sArt->ValidArt(art) != 0;
}

HostErr CreatePath(ArtHandle reference, int32_t placement, ArtHandle* path) {
    if (!sArt) {
        return kErrSuiteNotFound;
    }
    if (!path) {
        return kErrBadParameter;
    }
    *path = nullptr;
    return sArt->NewArt(kArtPath, placement, reference, path);
}

void RebuildPathStyles(PaintSettings& paint, float strokeWeight, DerivedStyles& styles) {
    const StyleReport report = BuildPathStyles(paint, strokeWeight, FindPattern, nullptr, styles);
    if (report.strokePatternMissing) {
        HostMessageAlert(kMissingPatternAlert);
    }
    if (report.fillPatternMissing) {
        HostMessageAlert(kMissingPatternAlert);
    }
}

HostErr WriteShapeBuild(ArtHandle path, const ShapeBuild& build, ShapeContext& ctx) {
    if (!sArt || !sPath || !sPathStyle || (build.placed && !sTransformArt)) {
        return kErrSuiteNotFound;
    }
    if (!ctx.styles || build.path.count < 0 || build.path.count > kShapePathCapacity) {
        return kErrBadParameter;
    }
    const bool mark = build.paint == PathPaint::kMark;
    SetStrokeWeights(*ctx.styles, mark ? ctx.markWeight : ctx.shapeWeight);
    HostErr err = kNoErr;
    if (build.applyStyle) {
        err = sPathStyle->SetPathStyle(path, mark ? &ctx.styles->mark : &ctx.styles->shape);
        if (err) return err;
    }
    if (build.showCentre) {
        err = sArt->SetArtCenterPointVisible(path, 1);
        if (err) return err;
    }
    err = sPath->SetPathSegmentCount(path, build.path.count);
    if (err) return err;
    err = sPath->SetPathClosed(path, build.path.closed ? 1 : 0);
    if (err) return err;
    if (build.path.count > 0) {
        err = sPath->SetPathSegments(path, 0, build.path.count, build.path.seg);
        if (err) return err;
    }
    if (build.placed) {
        err = sTransformArt->TransformArt(path, &build.placement, 0.0f, kTransformObjects);
    }
    return err;
}

}  // namespace qzv
