// What a drawer draws, kept as a display list and rasterised with Cairo on
// demand: the model never holds pixels, so a window and a PNG snapshot
// replay the same list.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sdk_all.h"

typedef struct _cairo cairo_t;

namespace drawhost {

struct Rgb8 {
    uint8_t r, g, b;
    bool operator==(const Rgb8&) const = default;
};

Rgb8 DlgNamedColor(int32_t namedColor);   // kColor*; unknown names read as black

enum class OpKind {
    Line, FrameRect, FillRect, ClearRect, InvertRect, FrameOval, FillOval,
    FramePolygon, FillPolygon, Text, SunkenFrame, RaisedFrame, Image
};

// One drawing operation in the coordinates of the list's owner.
struct DrawOp {
    OpKind kind = OpKind::Line;
    Rgb8 color = {0, 0, 0};
    IntRect clip = {0, 0, 0, 0};
    IntRect rect = {0, 0, 0, 0};      // rectangles, ovals, frames; an image's destination
    std::vector<IntPoint> points;     // line ends, polygon corners, a text's baseline start
    std::string text;
    int32_t font = kFontDefault;
    std::string image;                // PNG path; empty draws the missing-resource placeholder
    int32_t resourceId = 0;           // the picture or icon shown (for descriptions)
};

struct DisplayList {
    std::vector<DrawOp> ops;
    // A port over the document clears to transparent; a dialog clears to its background.
    bool transparentClear = false;
};

// Replays `list` onto `cr` (in the list's coordinates).
void DlgPaintList(const DisplayList& list, cairo_t* cr);

// One line per operation, for tests and logs: "fillOval 2,2,6,6 #ff0000".
std::string DlgDescribe(const DrawOp& op);
std::vector<std::string> DlgDescribe(const DisplayList& list);

// Font metrics of the dialog manager's font codes, in pixels.
struct FontMetrics {
    int32_t ascent, descent, leading;
};
FontMetrics DlgFontMetrics(int32_t font);
int32_t DlgTextWidth(int32_t font, const std::string& text);

// Size of the placeholder drawn for a missing picture or icon.
enum { kDlgPlaceholderSize = 16 };

}  // namespace drawhost
