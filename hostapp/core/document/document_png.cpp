// The front view rendered with Cairo (`--png FILE`): white paper, the
// visible art in paint order, then the overlay (the annotator's last
// drawing) in view pixels.
#include <algorithm>
#include <cmath>

#include "document/document.h"
#include "document/document_output.h"
#include "frame/host.h"
#include "frame/session.h"
#include "util/files.h"
#include "util/png_file.h"

namespace drawhost {

namespace {

std::function<void(cairo_t*)>& Overlay() {
    static std::function<void(cairo_t*)> painter;
    return painter;
}

// Patterns show as a black hatch on white: their art is not modelled.
cairo_pattern_t* HatchPattern() {
    cairo_surface_t* tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_t* cr = cairo_create(tile);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, 0, 8);
    cairo_line_to(cr, 8, 0);
    cairo_stroke(cr);
    cairo_destroy(cr);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(tile);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
    cairo_surface_destroy(tile);
    return pattern;
}

void SetPaint(cairo_t* cr, const PaintColor& c) {
    switch (c.kind) {
        case kPaintGray:
            cairo_set_source_rgb(cr, 1.0 - c.gray, 1.0 - c.gray, 1.0 - c.gray);
            break;
        case kPaintRGB:
            cairo_set_source_rgb(cr, c.red, c.green, c.blue);
            break;
        case kPaintPattern: {
            cairo_pattern_t* p = HatchPattern();
            cairo_set_source(cr, p);
            cairo_pattern_destroy(p);
            break;
        }
        default:
            break;
    }
}

void TracePath(cairo_t* cr, const Art& path) {
    cairo_new_path(cr);
    const auto& s = path.segments;
    if (s.empty()) return;
    cairo_move_to(cr, s[0].p.h, s[0].p.v);
    for (size_t i = 1; i <= s.size(); ++i) {
        if (i == s.size() && !(path.closed && s.size() >= 2)) break;
        const PathSegment& a = s[i - 1];
        const PathSegment& b = s[i % s.size()];
        cairo_curve_to(cr, a.out.h, a.out.v, b.in.h, b.in.v, b.p.h, b.p.v);
    }
    if (path.closed) cairo_close_path(cr);
}

void PaintArt(cairo_t* cr, const Art& art, const std::vector<DocId>* skip) {
    if (art.userAttr & kArtHidden) return;
    if (art.kind == kArtGroup) {
        for (DocId child : art.children)
            if (const Art* c = DocumentArtById(child)) PaintArt(cr, *c, skip);
        return;
    }
    if (skip && std::find(skip->begin(), skip->end(), art.id) != skip->end()) return;
    TracePath(cr, art);
    const PathStyle& s = art.style;
    double zoom = TheDocument().view.zoom;
    if (art.guide) {
        cairo_set_source_rgb(cr, 0.31, 0.86, 1.0);
        cairo_set_line_width(cr, 1.0 / zoom);
        cairo_stroke(cr);
        return;
    }
    if (s.fillPaint && s.fill.kind != kPaintNone) {
        SetPaint(cr, s.fill);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_fill_preserve(cr);
    }
    if (s.strokePaint && s.stroke.color.kind != kPaintNone) {
        static const cairo_line_cap_t kCaps[] = {CAIRO_LINE_CAP_BUTT, CAIRO_LINE_CAP_ROUND, CAIRO_LINE_CAP_SQUARE};
        static const cairo_line_join_t kJoins[] = {CAIRO_LINE_JOIN_MITER, CAIRO_LINE_JOIN_ROUND,
                                                   CAIRO_LINE_JOIN_BEVEL};
        SetPaint(cr, s.stroke.color);
        cairo_set_line_width(cr, s.stroke.width);
        cairo_set_line_cap(cr, kCaps[s.stroke.cap]);
        cairo_set_line_join(cr, kJoins[s.stroke.join]);
        cairo_set_miter_limit(cr, std::fmax(1.0f, s.stroke.miterLimit));
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

// View pixels from artwork points: x = (h - origin.h)·zoom, y = (origin.v - v)·zoom.
void ViewTransform(cairo_t* cr) {
    const FrontView& view = TheDocument().view;
    double z = view.zoom;
    cairo_matrix_t m;
    cairo_matrix_init(&m, z, 0, 0, -z, -view.origin.h * z, view.origin.v * z);
    cairo_transform(cr, &m);
}

struct Registration {
    Registration() { SessionAddOutputFile("--png", DocumentToPng); }
} registration;

}  // namespace

void DocumentSetOverlayPainter(std::function<void(cairo_t*)> painter) { Overlay() = std::move(painter); }

void DocumentPaintView(cairo_t* cr) { DocumentPaintViewWithout(cr, {}); }

void DocumentPaintViewWithout(cairo_t* cr, const std::vector<DocId>& skip) {
    const Document& doc = TheDocument();
    cairo_save(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    ViewTransform(cr);
    for (auto it = doc.layers.rbegin(); it != doc.layers.rend(); ++it) {
        if (!(*it)->visible) continue;
        if (const Art* group = DocumentArtById((*it)->group)) PaintArt(cr, *group, skip.empty() ? nullptr : &skip);
    }
    cairo_restore(cr);
}

void DocumentPaintPathAlone(cairo_t* cr, DocId id) {
    const Art* path = DocumentArtById(id);
    if (!path || path->kind != kArtPath) return;
    // Shown only when every holder is: the groups up to the layer's, and the layer.
    const Art* holder = path;
    for (int depth = 0; holder && depth < 100000; ++depth) {
        if (holder->userAttr & kArtHidden) return;
        if (holder->parent == 0) break;
        holder = DocumentArtById(holder->parent);
    }
    const Layer* layer = DocumentLayerOfArt(*path);
    if (!holder || !layer || !layer->visible) return;
    cairo_save(cr);
    ViewTransform(cr);
    PaintArt(cr, *path, nullptr);
    cairo_restore(cr);
}

bool DocumentToPng(std::string* bytes, std::string* error) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kViewWidth, kViewHeight);
    cairo_t* cr = cairo_create(surface);
    DocumentPaintView(cr);
    if (Overlay()) {
        cairo_save(cr);
        Overlay()(cr);
        cairo_restore(cr);
    }
    cairo_destroy(cr);
    bool encoded = EncodeSurfacePng(surface, bytes, error);
    cairo_surface_destroy(surface);
    return encoded;
}

bool DocumentWritePng(const std::string& path, std::string* error) {
    std::string bytes;
    return DocumentToPng(&bytes, error) && WriteFileAtomically(path, bytes, error);
}

}  // namespace drawhost
