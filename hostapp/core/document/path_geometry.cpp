#include "document/path_geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace drawhost {

std::vector<Cubic> OutlinePieces(const std::vector<PathSegment>& s, bool closed) {
    std::vector<Cubic> out;
    for (size_t i = 0; i + 1 < s.size(); ++i) out.push_back({s[i].p, s[i].out, s[i + 1].in, s[i + 1].p});
    if (closed && s.size() >= 2) out.push_back({s.back().p, s.back().out, s.front().in, s.front().p});
    return out;
}

std::vector<Cubic> PathPieces(const Art& path) { return OutlinePieces(path.segments, path.closed); }

void ArtBox::Add(double h, double v) {
    if (empty) {
        left = right = h;
        bottom = top = v;
        empty = false;
        return;
    }
    left = std::min(left, h);
    right = std::max(right, h);
    bottom = std::min(bottom, v);
    top = std::max(top, v);
}

bool SegmentIsCorner(const PathSegment& s) {
    double ih = s.in.h - s.p.h, iv = s.in.v - s.p.v, oh = s.out.h - s.p.h, ov = s.out.v - s.p.v;
    double li = std::hypot(ih, iv), lo = std::hypot(oh, ov);
    if (li == 0 || lo == 0) return true;
    double cross = (ih * ov - iv * oh) / (li * lo);
    double dot = ih * oh + iv * ov;
    return std::fabs(cross) > 1e-4 || dot > 0;
}

void CubicAt(const Cubic& c, double t, double* h, double* v) {
    double u = 1.0 - t;
    double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
    *h = b0 * c.p0.h + b1 * c.p1.h + b2 * c.p2.h + b3 * c.p3.h;
    *v = b0 * c.p0.v + b1 * c.p1.v + b2 * c.p2.v + b3 * c.p3.v;
}

namespace {

// Parameters in (0, 1) where one coordinate of the cubic has a turning
// point: the roots of its derivative.
void TurningPoints(double p0, double p1, double p2, double p3, std::vector<double>* ts) {
    double d0 = p1 - p0, d1 = p2 - p1, d2 = p3 - p2;
    double a = d0 - 2 * d1 + d2, b = 2 * (d1 - d0), c = d0;
    auto keep = [ts](double t) {
        if (t > 0.0 && t < 1.0) ts->push_back(t);
    };
    if (std::fabs(a) < 1e-12) {
        if (std::fabs(b) > 1e-12) keep(-c / b);
        return;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    double r = std::sqrt(disc);
    keep((-b + r) / (2 * a));
    keep((-b - r) / (2 * a));
}

void CubicBounds(const Cubic& c, ArtBox* box) {
    box->Add(c.p0.h, c.p0.v);
    box->Add(c.p3.h, c.p3.v);
    std::vector<double> ts;
    TurningPoints(c.p0.h, c.p1.h, c.p2.h, c.p3.h, &ts);
    TurningPoints(c.p0.v, c.p1.v, c.p2.v, c.p3.v, &ts);
    for (double t : ts) {
        double h, v;
        CubicAt(c, t, &h, &v);
        box->Add(h, v);
    }
}

// The outline as a polyline, fine enough that its distance to the true
// curve stays far below any hit tolerance (pieces of at most ~1 point).
std::vector<std::pair<double, double>> Flatten(const Cubic& c) {
    double len = std::hypot(c.p1.h - c.p0.h, c.p1.v - c.p0.v) + std::hypot(c.p2.h - c.p1.h, c.p2.v - c.p1.v) +
                 std::hypot(c.p3.h - c.p2.h, c.p3.v - c.p2.v);
    int n = 1;
    bool straight = c.p1.h == c.p0.h && c.p1.v == c.p0.v && c.p2.h == c.p3.h && c.p2.v == c.p3.v;
    if (!straight) n = static_cast<int>(std::clamp(std::ceil(len), 8.0, 1024.0));
    std::vector<std::pair<double, double>> pts;
    pts.reserve(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        double h, v;
        CubicAt(c, static_cast<double>(i) / n, &h, &v);
        pts.emplace_back(h, v);
    }
    return pts;
}

double SegmentDistance(double h, double v, double ah, double av, double bh, double bv) {
    double dh = bh - ah, dv = bv - av;
    double len2 = dh * dh + dv * dv;
    double t = len2 > 0 ? ((h - ah) * dh + (v - av) * dv) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(h - (ah + t * dh), v - (av + t * dv));
}

}  // namespace

void ArtBoundsAdd(const Art& art, ArtBox* box) {
    if (art.kind == kArtGroup) {
        for (DocId child : art.children)
            if (const Art* c = DocumentArtById(child)) ArtBoundsAdd(*c, box);
        return;
    }
    if (art.segments.size() == 1) box->Add(art.segments[0].p.h, art.segments[0].p.v);
    for (const Cubic& c : PathPieces(art)) CubicBounds(c, box);
}

RealRect ArtBoxToRect(const ArtBox& box) {
    return RealRect{static_cast<float>(box.left), static_cast<float>(box.top), static_cast<float>(box.right),
                    static_cast<float>(box.bottom)};
}

double PathDistance(const Art& path, double h, double v) {
    double best = std::numeric_limits<double>::infinity();
    if (path.segments.size() == 1) best = std::hypot(h - path.segments[0].p.h, v - path.segments[0].p.v);
    for (const Cubic& c : PathPieces(path)) {
        auto pts = Flatten(c);
        for (size_t i = 0; i + 1 < pts.size(); ++i)
            best = std::min(best, SegmentDistance(h, v, pts[i].first, pts[i].second, pts[i + 1].first,
                                                  pts[i + 1].second));
    }
    return best;
}

bool PathContains(const Art& path, double h, double v) {
    if (path.segments.size() < 3 && !(path.segments.size() == 2 && path.closed)) return false;
    // Winding is counted on the closed outline whether or not the path is
    // closed: a fill paints the open outline as if closed.
    int winding = 0;
    for (const Cubic& c : OutlinePieces(path.segments, true)) {
        auto pts = Flatten(c);
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            double ah = pts[i].first, av = pts[i].second, bh = pts[i + 1].first, bv = pts[i + 1].second;
            double cross = (bh - ah) * (v - av) - (h - ah) * (bv - av);
            if (av <= v && bv > v && cross > 0) ++winding;
            if (av > v && bv <= v && cross < 0) --winding;
        }
    }
    return winding != 0;
}

}  // namespace drawhost
