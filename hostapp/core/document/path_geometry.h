// The outline of a path as cubic pieces, and what is computed from it:
// bounds, the distance of a point to the outline, whether a point is inside.
// Computed in double: these answers serve the host's own hit test and
// drawing, not the plug-in's single-precision geometry.
#pragma once
#include <vector>

#include "document/document.h"

namespace drawhost {

struct Cubic {
    RealPoint p0, p1, p2, p3;   // anchor, its outgoing handle, the next incoming handle, next anchor
};

// The pieces in drawing order; a closed path with two or more anchors adds
// the piece from the last anchor back to the first.
std::vector<Cubic> PathPieces(const Art& path);
std::vector<Cubic> OutlinePieces(const std::vector<PathSegment>& segments, bool closed);

// Bounding box in artwork coordinates; `empty` until something is added.
struct ArtBox {
    bool empty = true;
    double left = 0, bottom = 0, right = 0, top = 0;
    void Add(double h, double v);
};

// Adds the exact bounds of the art's outline (children for a group; a lone
// anchor counts as a point).
void ArtBoundsAdd(const Art& art, ArtBox* box);
// The host's rectangle: v grows upward, so top is the larger v.
RealRect ArtBoxToRect(const ArtBox& box);

// A smooth anchor has both handles out, on one line through it; anything
// else (a retracted handle included) is a corner.
bool SegmentIsCorner(const PathSegment& s);

// The point of the cubic at t (Bernstein form, double).
void CubicAt(const Cubic& c, double t, double* h, double* v);

// The shortest distance from (h, v) to the path's outline; a path without
// anchors is infinitely far.
double PathDistance(const Art& path, double h, double v);

// Non-zero winding of the closed outline around (h, v).
bool PathContains(const Art& path, double h, double v);

}  // namespace drawhost
