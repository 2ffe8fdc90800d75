#include "host_marks.h"

#include "host/suites.h"

namespace qzv {

namespace {

// A two-anchor open stroke written with the mark style already applied.
HostErr WriteMarkSegments(ArtHandle path, const MarkPath& mark) {
    HostErr err = sPath->SetPathSegmentCount(path, 2);
    if (err) return err;
    err = sPath->SetPathClosed(path, 0);
    if (err) return err;
    return sPath->SetPathSegments(path, 0, 2, mark.seg);
}

bool HaveMarkSuites() {
    return sArt && sPath && sPathStyle;
}

}  // namespace

HostErr CreateCentreCross(ShapeArt& art) {
    if (!sArt) return kErrSuiteNotFound;
    ArtHandle* branches[2] = {&art.crossAlong, &art.crossAcross};
    for (ArtHandle* branch : branches) {
        if (ArtExists(*branch)) continue;
        ArtHandle made = nullptr;
        const HostErr err = CreatePath(art.targetGroup, kPlaceInsideOnTop, &made);
        if (err) return err;
        *branch = made;
    }
    return kNoErr;
}

HostErr WriteCentreCross(ShapeArt& art, ShapeContext& ctx, RealPoint centre) {
    if (!HaveMarkSuites()) return kErrSuiteNotFound;
    if (!ArtExists(art.crossAlong)) return kNoErr;
    if (!ctx.styles) return kErrBadParameter;
    if (ctx.randomCross && !sRandom) return kErrSuiteNotFound;

    SetStrokeWeights(*ctx.styles, ctx.markWeight);
    HostErr err = sPathStyle->SetPathStyle(art.crossAlong, &ctx.styles->mark);
    if (err) return err;
    err = sPathStyle->SetPathStyle(art.crossAcross, &ctx.styles->mark);
    if (err) return err;

    const float random01 = ctx.randomCross ? sRandom->FloatRnd() : 0.0f;
    const float orientation = CentreCrossOrientation(ctx.randomCross, random01, ctx.crossAngle);
    const CentreCross cross = BuildCentreCross(centre, ctx.branchLength, orientation);
    err = WriteMarkSegments(art.crossAlong, cross.along);
    if (err) return err;
    return WriteMarkSegments(art.crossAcross, cross.across);
}

HostErr GroupCentreCross(ShapeArt& art) {
    if (!sArt) return kErrSuiteNotFound;
    if (!ArtExists(art.targetGroup) || !ArtExists(art.crossAlong)) return kNoErr;
    HostErr err = sArt->ReorderArt(art.crossAlong, kPlaceInsideOnTop, art.targetGroup);
    if (err) return err;
    return sArt->ReorderArt(art.crossAcross, kPlaceInsideOnTop, art.targetGroup);
}

HostErr WriteTangencyTick(ShapeArt& art, ShapeContext& ctx, const MarkPath& tick, int index) {
    if (!HaveMarkSuites()) return kErrSuiteNotFound;
    if (index < 0 || index > 2 || !ctx.styles) return kErrBadParameter;
    SetStrokeWeights(*ctx.styles, ctx.markWeight);
    if (!art.tickCreated[index] || !ArtExists(art.ticks[index])) {
        ArtHandle made = nullptr;
        const HostErr err = CreatePath(art.targetGroup, kPlaceInsideOnTop, &made);
        if (err) return err;
        art.ticks[index] = made;
        art.tickCreated[index] = 1;
    }
    const HostErr err = sPathStyle->SetPathStyle(art.ticks[index], &ctx.styles->mark);
    if (err) return err;
    return WriteMarkSegments(art.ticks[index], tick);
}

HostErr DisposeTangencyTicks(ShapeArt& art) {
    if (!sArt) return kErrSuiteNotFound;
    for (int i = 0; i < 3; ++i) {
        if (ArtExists(art.ticks[i])) {
            const HostErr err = sArt->DisposeArt(art.ticks[i]);
            if (err) return err;
        }
        art.ticks[i] = nullptr;
        art.tickCreated[i] = 0;
    }
    return kNoErr;
}

HostErr FinishCircleShape(ShapeArt& art, ShapeContext& ctx, int circleMode, bool tangentOn,
                          RealPoint centre, const ReferenceLine (&lines)[3]) {
    if (!HaveMarkSuites()) return kErrSuiteNotFound;
    if (!ArtExists(art.constructionPath)) return kNoErr;
    if (!ctx.styles) return kErrBadParameter;
    if (!tangentOn) {
        return DisposeTangencyTicks(art);
    }
    if (!ArtExists(art.targetGroup)) {
        ArtHandle group = nullptr;
        HostErr err = sArt->NewArt(kArtGroup, kPlaceAbove, art.constructionPath, &group);
        if (err) return err;
        art.targetGroup = group;
        err = sArt->ReorderArt(art.constructionPath, kPlaceInsideOnTop, group);
        if (err) return err;
    }
    const FinishedTicks ticks =
        FinishCircleTicks(circleMode, tangentOn, centre, lines, ctx.branchLength);
    for (int i = 0; i < ticks.count; ++i) {
        HostErr err = WriteTangencyTick(art, ctx, ticks.tick[i], i);
        if (err) return err;
        err = sPathStyle->SetPathStyle(art.ticks[i], &ctx.styles->mark);
        if (err) return err;
    }
    return kNoErr;
}

}  // namespace qzv
