// SVG outlines as the document's paths: path data (every command, parsed by
// lib2geom's path-data parser) and the basic shapes, mapped into document
// points by a matrix. Arcs become cubic pieces that stay within
// kSvgArcTolerance of the true arc once mapped, so within 0.01 point after
// rounding to single precision (half a unit in the last place: at most
// 0.001 point below 16 384 points).
#pragma once
#include <cstddef>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "document/svg_transform.h"

namespace drawhost {

// How far, in document points, a cubic piece may stray from the arc it
// stands for (before rounding to single precision).
constexpr double kSvgArcTolerance = 0.009;

struct SvgSubpath {
    std::vector<PathSegment> segments;   // corner flags set from the handles
    bool closed = false;
};

struct SvgOutline {
    std::vector<SvgSubpath> subpaths;
    // Some point was not finite or beyond kMaxCoordinate: the element cannot
    // enter the document.
    bool outOfRange = false;
};

// The subpaths of path data, mapped by `toDocument`. A subpath that ends
// where it began and is closed keeps one anchor there, the last piece's
// handle becoming the first anchor's incoming one. A lone moveto counts as a
// one-anchor subpath only when it is the whole outline.
//
// Data with an error keeps what precedes it up to the last complete
// segment (SVG's rule); *errorAt is then the byte offset of the error, else
// std::string_view::npos.
void SvgPathData(std::string_view data, const SvgMatrix& toDocument, SvgOutline* out, size_t* errorAt);

// The basic shapes, as SVG defines their outlines; degenerate input (zero
// or negative sizes) gives no subpath.
void SvgRectOutline(double x, double y, double width, double height, double rx, double ry,
                    const SvgMatrix& toDocument, SvgOutline* out);
void SvgEllipseOutline(double cx, double cy, double rx, double ry, const SvgMatrix& toDocument, SvgOutline* out);
// Points x0 y0 x1 y1 ...; an odd count drops the last number.
void SvgPolyOutline(const std::vector<double>& coordinates, bool closed, const SvgMatrix& toDocument,
                    SvgOutline* out);

// The arc of SVG's "A" command from (x1, y1) as cubic pieces in the space of
// `toDocument`: the anchors and handles after the start, three points per
// piece (handle, handle, anchor). Zero radii give a straight piece (its
// handles on its ends), equal ends nothing. Exposed for the tests of the
// tolerance.
void SvgArcPieces(double x1, double y1, double rx, double ry, double angleDegrees, bool largeArc, bool sweep,
                  double x2, double y2, const SvgMatrix& toDocument, std::vector<double>* xy);

}  // namespace drawhost
