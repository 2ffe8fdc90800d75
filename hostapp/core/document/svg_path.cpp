#include "document/svg_path.h"

#include <2geom/svg-path-parser.h>

#include <algorithm>
#include <cmath>

#include "document/path_geometry.h"

namespace drawhost {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The largest distance between a circular arc of angle `sweep` on the unit
// circle and its cubic with handles of 4/3 tan(sweep/4): the curve bulges
// out at its middle by 2 sin^6(sweep/4) / (27 cos^2(sweep/4)).
double ArcPieceError(double sweep) {
    double s = std::sin(sweep / 4), c = std::cos(sweep / 4);
    return 2 * std::pow(s, 6) / (27 * c * c);
}

// Builds subpaths from outline commands in user space, mapping every point
// into the document as it comes.
class OutlineBuilder {
public:
    OutlineBuilder(const SvgMatrix& toDocument, SvgOutline* out) : m_(toDocument), out_(out) {}

    void MoveTo(double x, double y) {
        Finish();
        startX_ = curX_ = x;
        startY_ = curY_ = y;
        open_ = true;
        current_.segments.push_back(Anchor(x, y));
    }
    void LineTo(double x, double y) {
        Begin();
        current_.segments.push_back(Anchor(x, y));
        curX_ = x;
        curY_ = y;
    }
    void CubicTo(double x1, double y1, double x2, double y2, double x, double y) {
        Begin();
        current_.segments.back().out = Map(x1, y1);
        PathSegment next = Anchor(x, y);
        next.in = Map(x2, y2);
        current_.segments.push_back(next);
        curX_ = x;
        curY_ = y;
    }
    // A quadratic piece is a cubic with handles two thirds of the way to
    // its control point: exactly the same curve.
    void QuadTo(double qx, double qy, double x, double y) {
        CubicTo(curX_ + 2.0 / 3.0 * (qx - curX_), curY_ + 2.0 / 3.0 * (qy - curY_), x + 2.0 / 3.0 * (qx - x),
                y + 2.0 / 3.0 * (qy - y), x, y);
    }
    void ArcTo(double rx, double ry, double angle, bool largeArc, bool sweep, double x, double y) {
        if (x == curX_ && y == curY_) return;   // an arc to its own start is left out
        if (rx == 0 || ry == 0) {
            LineTo(x, y);
            return;
        }
        Begin();
        SvgArcPieces(curX_, curY_, rx, ry, angle, largeArc, sweep, x, y, m_, &pieces_);
        for (size_t i = 0; i + 5 < pieces_.size(); i += 6) {
            current_.segments.back().out = Rounded(pieces_[i], pieces_[i + 1]);
            PathSegment next;
            // The last anchor is the arc's end itself, not a computed point
            // near it, so that the next command starts exactly there.
            next.p = i + 6 >= pieces_.size() ? Map(x, y) : Rounded(pieces_[i + 4], pieces_[i + 5]);
            next.in = Rounded(pieces_[i + 2], pieces_[i + 3]);
            next.out = next.p;
            next.corner = 1;
            current_.segments.push_back(next);
        }
        curX_ = x;
        curY_ = y;
    }
    void Close() {
        if (!open_) return;
        current_.closed = true;
        auto& s = current_.segments;
        // The closing piece ends on the first anchor: one anchor, with the
        // piece's incoming handle.
        if (s.size() >= 2 && s.back().p.h == s.front().p.h && s.back().p.v == s.front().p.v) {
            s.front().in = s.back().in;
            s.pop_back();
        }
        Finish();
        curX_ = startX_;
        curY_ = startY_;
    }
    void Finish() {
        if (!open_) return;
        open_ = false;
        for (PathSegment& seg : current_.segments) seg.corner = SegmentIsCorner(seg) ? 1 : 0;
        out_->subpaths.push_back(std::move(current_));
        current_ = SvgSubpath{};
    }
    // A lone moveto among other subpaths draws nothing.
    void DropLoneMoves() {
        auto& subs = out_->subpaths;
        if (subs.size() < 2) return;
        subs.erase(std::remove_if(subs.begin(), subs.end(), [](const SvgSubpath& s) { return s.segments.size() < 2; }),
                   subs.end());
    }

private:
    // A drawing command after a closepath starts a new subpath where the
    // closed one began.
    void Begin() {
        if (!open_) {
            double x = startX_, y = startY_;
            MoveTo(x, y);
        }
    }
    RealPoint Rounded(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > kMaxCoordinate || std::fabs(y) > kMaxCoordinate) {
            out_->outOfRange = true;
            return RealPoint{0, 0};
        }
        return RealPoint{static_cast<float>(x), static_cast<float>(y)};
    }
    RealPoint Map(double x, double y) {
        double h, v;
        m_.Apply(x, y, &h, &v);
        return Rounded(h, v);
    }
    PathSegment Anchor(double x, double y) {
        RealPoint p = Map(x, y);
        return PathSegment{p, p, p, 1};
    }

    SvgMatrix m_;
    SvgOutline* out_;
    SvgSubpath current_;
    bool open_ = false;
    double startX_ = 0, startY_ = 0, curX_ = 0, curY_ = 0;
    std::vector<double> pieces_;
};

// lib2geom's parser hands over absolute coordinates (relative commands, the
// shorthand forms and the reflected handles of S and T already resolved).
class BuilderSink : public Geom::PathSink {
public:
    explicit BuilderSink(OutlineBuilder* builder) : b_(builder) {}
    void moveTo(Geom::Point const& p) override { if (b_) b_->MoveTo(p[0], p[1]); }
    void lineTo(Geom::Point const& p) override { if (b_) b_->LineTo(p[0], p[1]); }
    void curveTo(Geom::Point const& c0, Geom::Point const& c1, Geom::Point const& p) override {
        if (b_) b_->CubicTo(c0[0], c0[1], c1[0], c1[1], p[0], p[1]);
    }
    void quadTo(Geom::Point const& c, Geom::Point const& p) override { if (b_) b_->QuadTo(c[0], c[1], p[0], p[1]); }
    void arcTo(Geom::Coord rx, Geom::Coord ry, Geom::Coord angle, bool largeArc, bool sweep,
               Geom::Point const& p) override {
        if (b_) b_->ArcTo(rx, ry, angle, largeArc, sweep, p[0], p[1]);
    }
    void closePath() override { if (b_) b_->Close(); }
    void flush() override { if (b_) b_->Finish(); }

private:
    OutlineBuilder* b_;   // null: only checks the grammar
};

// Whether `data` parses whole; with a builder, its segments are built.
bool ParseAll(std::string_view data, OutlineBuilder* builder) {
    BuilderSink sink(builder);
    Geom::SVGPathParser parser(sink);
    // Never move a point to make a closing piece vanish: coordinates stay as
    // written.
    parser.setZSnapThreshold(0);
    try {
        parser.parse(data.data(), static_cast<int>(data.size()));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// The parser reports no position, so the grammar is walked here to find
// where the data goes wrong and where its last complete segment ends: a
// command letter, then groups of its arguments (numbers, and the single
// digits 0 or 1 for an arc's flags), groups repeating until the next letter.
// Returns the error's byte offset, or npos for data without error.
size_t FirstError(std::string_view data, size_t* completeEnd) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    auto arguments = [](char c) -> int {
        switch (c | 0x20) {   // lower case
            case 'm': case 'l': case 't': return 2;
            case 'h': case 'v': return 1;
            case 'c': return 6;
            case 's': case 'q': return 4;
            case 'a': return 7;
            case 'z': return 0;
            default: return -1;
        }
    };
    const char* begin = data.data();
    const char* end = begin + data.size();
    const char* p = begin;
    *completeEnd = 0;
    auto at = [&](const char* q) { return static_cast<size_t>(q - begin); };
    while (p < end && blank(*p)) ++p;
    if (p == end) return std::string_view::npos;
    if ((*p | 0x20) != 'm') return at(p);
    while (p < end) {
        int count = arguments(*p);
        if (count < 0) return at(p);
        bool arc = (*p | 0x20) == 'a';
        ++p;
        if (count == 0) {
            *completeEnd = at(p);
            while (p < end && blank(*p)) ++p;
            continue;
        }
        SvgSkipSeparator(&p, end);
        // At least one group, then more while a number follows.
        do {
            for (int i = 0; i < count; ++i) {
                if (arc && (i == 3 || i == 4)) {
                    if (p == end || (*p != '0' && *p != '1')) return at(p);
                    ++p;
                } else {
                    double ignored;
                    if (!SvgNumber(&p, end, &ignored)) return at(p);
                }
                *completeEnd = i + 1 == count ? at(p) : *completeEnd;
                SvgSkipSeparator(&p, end);
            }
        } while (p < end && (*p == '+' || *p == '-' || *p == '.' || (*p >= '0' && *p <= '9')));
    }
    return std::string_view::npos;
}

// Where the tokens of `data` (numbers, letters, other bytes) begin.
std::vector<size_t> TokenStarts(std::string_view data) {
    std::vector<size_t> starts;
    const char* begin = data.data();
    const char* p = begin;
    const char* end = begin + data.size();
    while (p < end) {
        if (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\f' || *p == ',') {
            ++p;
            continue;
        }
        starts.push_back(static_cast<size_t>(p - begin));
        double ignored;
        if (!SvgNumber(&p, end, &ignored)) ++p;
    }
    return starts;
}

}  // namespace

void SvgArcPieces(double x1, double y1, double rx, double ry, double angleDegrees, bool largeArc, bool sweep,
                  double x2, double y2, const SvgMatrix& m, std::vector<double>* xy) {
    xy->clear();
    auto put = [&](double x, double y) {
        double h, v;
        m.Apply(x, y, &h, &v);
        xy->push_back(h);
        xy->push_back(v);
    };
    if (x1 == x2 && y1 == y2) return;
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (rx == 0 || ry == 0) {
        put(x1, y1);
        put(x2, y2);
        put(x2, y2);
        return;
    }
    // From the end points to the centre (the conversion of the SVG rules).
    double phi = std::fmod(angleDegrees, 360.0) * kPi / 180.0;
    double cosPhi = std::cos(phi), sinPhi = std::sin(phi);
    double dx = (x1 - x2) / 2, dy = (y1 - y2) / 2;
    double x1p = cosPhi * dx + sinPhi * dy;
    double y1p = -sinPhi * dx + cosPhi * dy;
    // Radii too small to reach are scaled up until they just do.
    double lambda = (x1p * x1p) / (rx * rx) + (y1p * y1p) / (ry * ry);
    if (lambda > 1) {
        double root = std::sqrt(lambda);
        rx *= root;
        ry *= root;
    }
    double rx2 = rx * rx, ry2 = ry * ry;
    double num = rx2 * ry2 - rx2 * y1p * y1p - ry2 * x1p * x1p;
    double den = rx2 * y1p * y1p + ry2 * x1p * x1p;
    double coef = den > 0 ? std::sqrt(std::fmax(0.0, num / den)) : 0.0;
    if (largeArc == sweep) coef = -coef;
    double cxp = coef * rx * y1p / ry, cyp = -coef * ry * x1p / rx;
    double cx = cosPhi * cxp - sinPhi * cyp + (x1 + x2) / 2;
    double cy = sinPhi * cxp + cosPhi * cyp + (y1 + y2) / 2;
    double theta1 = std::atan2((y1p - cyp) / ry, (x1p - cxp) / rx);
    double theta2 = std::atan2((-y1p - cyp) / ry, (-x1p - cxp) / rx);
    double delta = theta2 - theta1;
    if (sweep && delta < 0) delta += 2 * kPi;
    if (!sweep && delta > 0) delta -= 2 * kPi;

    // Enough pieces that the worst piece, stretched by the map from the unit
    // circle to the document, stays within the tolerance; never more than a
    // quarter turn each.
    SvgMatrix unitToDoc = SvgMultiply(m, SvgMatrix{rx * cosPhi, rx * sinPhi, -ry * sinPhi, ry * cosPhi, cx, cy});
    double stretch = unitToDoc.MaxStretch();
    int n = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (kPi / 2) - 1e-6)));
    while (n < 1024 && stretch * ArcPieceError(std::fabs(delta) / n) > kSvgArcTolerance) n *= 2;
    double step = delta / n;
    double k = 4.0 / 3.0 * std::tan(step / 4);
    auto ellipse = [&](double u, double w) {
        put(cx + rx * cosPhi * u - ry * sinPhi * w, cy + rx * sinPhi * u + ry * cosPhi * w);
    };
    for (int i = 0; i < n; ++i) {
        double a = theta1 + step * i, b = i + 1 == n ? theta1 + delta : theta1 + step * (i + 1);
        double ca = std::cos(a), sa = std::sin(a), cb = std::cos(b), sb = std::sin(b);
        ellipse(ca - k * sa, sa + k * ca);
        ellipse(cb + k * sb, sb - k * cb);
        if (i + 1 == n) put(x2, y2);
        else ellipse(cb, sb);
    }
}

void SvgPathData(std::string_view data, const SvgMatrix& toDocument, SvgOutline* out, size_t* errorAt) {
    *errorAt = std::string_view::npos;
    SvgOutline attempt;
    {
        OutlineBuilder builder(toDocument, &attempt);
        if (ParseAll(data, &builder)) {
            builder.DropLoneMoves();
            *out = std::move(attempt);
            return;
        }
    }
    // Parse again up to the last complete segment before the error. Should
    // the parser's grammar and FirstError's ever differ there, whole tokens
    // are given up from that end until the parser agrees.
    size_t cut = 0;
    size_t error = FirstError(data, &cut);
    *errorAt = error == std::string_view::npos ? data.size() : error;
    std::vector<size_t> starts = TokenStarts(data.substr(0, cut));
    for (int tries = 0; tries < 12 && cut > 0; ++tries) {
        SvgOutline prefix;
        OutlineBuilder builder(toDocument, &prefix);
        if (ParseAll(data.substr(0, cut), &builder)) {
            builder.DropLoneMoves();
            // A lone moveto before the error draws nothing.
            if (prefix.subpaths.size() == 1 && prefix.subpaths[0].segments.size() < 2) prefix.subpaths.clear();
            *out = std::move(prefix);
            return;
        }
        if (starts.empty()) break;
        cut = starts.back();
        starts.pop_back();
    }
    *out = SvgOutline{};
}

void SvgRectOutline(double x, double y, double w, double h, double rx, double ry, const SvgMatrix& m,
                    SvgOutline* out) {
    if (!(w > 0) || !(h > 0)) return;
    rx = std::fmin(std::fmax(rx, 0.0), w / 2);
    ry = std::fmin(std::fmax(ry, 0.0), h / 2);
    OutlineBuilder b(m, out);
    if (rx == 0 || ry == 0) {
        b.MoveTo(x, y);
        b.LineTo(x + w, y);
        b.LineTo(x + w, y + h);
        b.LineTo(x, y + h);
        b.Close();
        return;
    }
    // Clockwise on the page from the top edge, as SVG lays it out; a side
    // that the corners use up whole adds no straight piece.
    b.MoveTo(x + rx, y);
    if (w > 2 * rx) b.LineTo(x + w - rx, y);
    b.ArcTo(rx, ry, 0, false, true, x + w, y + ry);
    if (h > 2 * ry) b.LineTo(x + w, y + h - ry);
    b.ArcTo(rx, ry, 0, false, true, x + w - rx, y + h);
    if (w > 2 * rx) b.LineTo(x + rx, y + h);
    b.ArcTo(rx, ry, 0, false, true, x, y + h - ry);
    if (h > 2 * ry) b.LineTo(x, y + ry);
    b.ArcTo(rx, ry, 0, false, true, x + rx, y);
    b.Close();
}

void SvgEllipseOutline(double cx, double cy, double rx, double ry, const SvgMatrix& m, SvgOutline* out) {
    if (!(rx > 0) || !(ry > 0)) return;
    OutlineBuilder b(m, out);
    b.MoveTo(cx + rx, cy);
    b.ArcTo(rx, ry, 0, false, true, cx, cy + ry);
    b.ArcTo(rx, ry, 0, false, true, cx - rx, cy);
    b.ArcTo(rx, ry, 0, false, true, cx, cy - ry);
    b.ArcTo(rx, ry, 0, false, true, cx + rx, cy);
    b.Close();
}

void SvgPolyOutline(const std::vector<double>& xy, bool closed, const SvgMatrix& m, SvgOutline* out) {
    if (xy.size() < 2) return;
    OutlineBuilder b(m, out);
    b.MoveTo(xy[0], xy[1]);
    for (size_t i = 2; i + 1 < xy.size(); i += 2) b.LineTo(xy[i], xy[i + 1]);
    if (closed) b.Close();
    b.Finish();
}

}  // namespace drawhost
