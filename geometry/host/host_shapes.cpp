#include "host_shapes.h"

#include "host/suites.h"
#include "host_marks.h"
#include "segment_paths.h"

namespace qzv {

HostErr WriteCircle(ShapeArt& art, ShapeContext& ctx, float radius, RealPoint centre,
                    float constraintAngle) {
    if (!sArt) return kErrSuiteNotFound;
    if (!ArtExists(art.constructionPath)) return kNoErr;
    const ShapeBuild build = BuildCircle(radius, centre, constraintAngle);
    HostErr err = WriteShapeBuild(art.constructionPath, build, ctx);
    if (err) return err;
    if (!ArtExists(art.targetGroup)) return kNoErr;
    err = sArt->ReorderArt(art.constructionPath, kPlaceInsideOnBottom, art.targetGroup);
    if (err) return err;
    err = sArt->SetArtCenterPointVisible(art.constructionPath, 1);
    if (err) return err;
    return GroupCentreCross(art);
}

HostErr WriteHalfCircle(ArtHandle path, ShapeContext& ctx, RealPoint centre, float radius,
                        float startAngle, bool sector, bool complement) {
    const ShapeBuild build = BuildHalfCircle(centre, radius, startAngle, sector, complement);
    return WriteShapeBuild(path, build, ctx);
}

HostErr WriteArcPath(ArtHandle path, ShapeContext& ctx, RealPoint centre, float radius,
                     float sweep, float startAngle, bool sector, bool complement) {
    const ShapeBuild build = BuildArcPath(centre, radius, sweep, startAngle, sector, complement);
    return WriteShapeBuild(path, build, ctx);
}

HostErr WriteCircleOrArc(ShapeArt& art, ShapeContext& ctx, const CircleOrArcInput& in,
                         float* width, float* height) {
    if (!ctx.styles) return kErrBadParameter;
    SetStrokeWeights(*ctx.styles, ctx.shapeWeight);
    const CircleOrArcResult result = BuildCircleOrArc(in);
    art.arcStartPoint = result.arcStart;
    art.arcEndPoint = result.arcEnd;

    HostErr err = kNoErr;
    if (result.shape == CircleOrArcShape::kFullCircle) {
        if (width) *width = result.extent;
        if (height) *height = result.extent;
        err = WriteCircle(art, ctx, in.radius, in.centre, in.constraintAngle);
    } else {
        err = WriteShapeBuild(art.constructionPath, result.main, ctx);
    }
    if (err) return err;

    if (result.rebuildCross) {
        err = WriteCentreCross(art, ctx, in.centre);
        if (err) return err;
        err = GroupCentreCross(art);
    }
    return err;
}

HostErr WriteRectShape(ShapeArt& art, ShapeContext& ctx, const ShapeBuild& build) {
    if (!sArt) return kErrSuiteNotFound;
    if (!ArtExists(art.rectPath)) return kNoErr;
    return WriteShapeBuild(art.rectPath, build, ctx);
}

HostErr WritePolylineEnd(ShapeArt& art, ShapeContext& ctx, RealPoint anchor, RealPoint endPoint,
                         RealPoint* anchorPoint) {
    if (!sArt || !sPath || !sPathStyle) return kErrSuiteNotFound;
    if (!ArtExists(art.rectPath)) return kNoErr;
    if (!ctx.styles) return kErrBadParameter;
    SetStrokeWeights(*ctx.styles, ctx.shapeWeight);
    HostErr err = sPathStyle->SetPathStyle(art.rectPath, &ctx.styles->shape);
    if (err) return err;
    int32_t count = 0;
    err = sPath->GetPathSegmentCount(art.rectPath, &count);
    if (err) return err;
    const PolylineEnd end = UpdatePolylineEnd(anchor, endPoint, count);
    if (!end.valid) return kNoErr;
    err = sPath->SetPathSegments(art.rectPath, end.firstIndex, 2, end.seg);
    if (err) return err;
    if (anchorPoint) *anchorPoint = end.newAnchor;
    return kNoErr;
}

HostErr WriteRectToolShape(ShapeArt& art, ShapeContext& ctx, RectToolInput in,
                           RealPoint* anchorPoint) {
    if (!sArt || !sPath) return kErrSuiteNotFound;
    if (!ArtExists(art.rectPath)) return kNoErr;
    const bool polyline = in.mode == kRectModeSegment && in.polylineOn && !in.tangentSubMode;
    if (polyline) {
        // The previous vertex is the anchor of the next-to-last segment.
        int32_t count = 0;
        HostErr err = sPath->GetPathSegmentCount(art.rectPath, &count);
        if (err) return err;
        in.polylineSegmentCount = count;
        if (count >= 2) {
            PathSegment previous{};
            err = sPath->GetPathSegments(art.rectPath, count - 2, 1, &previous);
            if (err) return err;
            in.previousVertex = previous.p;
        }
    }
    const RectToolResult result = BuildRectToolShape(in);
    switch (result.outcome) {
        case RectToolOutcome::kShape:
            return WriteShapeBuild(art.rectPath, result.shape, ctx);
        case RectToolOutcome::kPolylineEnd:
            if (!result.polyline.valid) return kNoErr;
            return WritePolylineEnd(art, ctx, result.polyline.seg[0].p, result.polyline.seg[1].p,
                                    anchorPoint);
        case RectToolOutcome::kNothing:
            break;
    }
    return kNoErr;
}

HostErr WriteTangentSegment(ShapeArt& art, ShapeContext& ctx, RealPoint m, bool crossed,
                            RealPoint c1, float r1, RealPoint c2, float r2) {
    if (!sArt) return kErrSuiteNotFound;
    if (!ArtExists(art.rectPath)) return kNoErr;
    const TangentSegment tangent = BuildTangentSegment(m, crossed, c1, r1, c2, r2, ctx.branchLength);
    HostErr err = WriteShapeBuild(art.rectPath, tangent.segment, ctx);
    if (err || !tangent.ticks) return err;
    err = WriteTangencyTick(art, ctx, tangent.tick[0], 0);
    if (err) return err;
    return WriteTangencyTick(art, ctx, tangent.tick[1], 1);
}

}  // namespace qzv
