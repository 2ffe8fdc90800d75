// Opening SVG files as the document: layers, groups, paths with their paint,
// names and tags, from drawhost's own files and from other programs'.
//
// Coordinates: the root's user space in points, v up. One user unit is the
// root's width in points over its viewBox width (0.75 point, a CSS pixel,
// without a viewBox); the viewBox's offset only places the page, so v = -y
// scaled and a file that drawhost wrote comes back to the same points.
//
// Layers: groups marked as layers (inkscape:groupmode="layer") at the top
// level, titled by their label; in a file with no marked group, each
// top-level group is a layer (as other editors write them). Art at the top
// level outside layers goes into layers of its own, one per run.
//
// A file that cannot be read (missing, unreadable, not a regular file,
// larger than kSvgMaxFileBytes, malformed XML, too deeply nested, not SVG)
// leaves the document as it was and gives "FILE:LINE: message". A file with
// parts the document cannot take (unsupported elements, path data with an
// error, coordinates beyond kMaxCoordinate, transforms that collapse, groups
// nested deeper than kSvgMaxGroupDepth) opens without them, each reported as
// a warning.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace drawhost {

constexpr size_t kSvgMaxFileBytes = size_t{64} << 20;
// Deeper groups are flattened into their ancestor at this depth.
constexpr int kSvgMaxGroupDepth = 100;
// Deeper elements are refused: no drawing needs them.
constexpr int kSvgMaxElementDepth = 100000;

struct SvgOpenReport {
    std::vector<std::string> warnings;   // "FILE:LINE: text" or "FILE: text"
    size_t layers = 0, groups = 0, paths = 0;
};

// Opens the file as the document (which it replaces whole). False, with
// *error and the document untouched, when it cannot be read.
bool DocumentOpenSvg(const std::string& path, SvgOpenReport* report, std::string* error);

// The same from text in memory; `name` stands for the file in messages.
bool DocumentOpenSvgText(std::string_view text, const std::string& name, SvgOpenReport* report, std::string* error);

}  // namespace drawhost
