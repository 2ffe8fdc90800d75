// Reading SVG with Expat: elements arrive one at a time; a stack of frames
// carries what children inherit (the map to document points, the computed
// style, the group that receives their art). Art goes into a build that
// replaces the document only once the whole file has been read.
#include "document/svg_reader.h"

// The library is built with DTD support (entities, and the bounds on their
// expansion); the header declares those functions only when told so.
#define XML_DTD 1
#include <expat.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>
#include <new>
#include <unordered_map>

#include "document/svg_build.h"
#include "document/svg_format.h"
#include "document/svg_path.h"
#include "document/svg_style.h"
#include "document/svg_transform.h"

namespace drawhost {

namespace {

constexpr char kSep = '\x1f';   // between a namespace and a local name, as Expat hands them over

// What an SVG element does in the document.
enum class Role {
    kContainer,   // its children are drawn, in a group of its own
    kShape,       // an outline
    kDefs,        // not drawn; holds gradients, style sheets, patterns
    kGradient,    // a gradient: its stops give its plain colour
    kStop,
    kStyle,       // a style sheet in its text
    kHidden,      // not drawn, nor anything inside (symbols, clip paths, metadata...)
    kUnsupported, // drawn by SVG, but not something the document holds: left out with a warning
};

struct ElementEntry {
    const char* name;
    Role role;
};
constexpr ElementEntry kElements[] = {
    {"svg", Role::kContainer},          {"g", Role::kContainer},           {"a", Role::kContainer},
    {"switch", Role::kContainer},       {"path", Role::kShape},            {"rect", Role::kShape},
    {"circle", Role::kShape},           {"ellipse", Role::kShape},         {"line", Role::kShape},
    {"polyline", Role::kShape},         {"polygon", Role::kShape},         {"defs", Role::kDefs},
    {"linearGradient", Role::kGradient}, {"radialGradient", Role::kGradient}, {"stop", Role::kStop},
    {"style", Role::kStyle},            {"text", Role::kUnsupported},      {"image", Role::kUnsupported},
    {"use", Role::kUnsupported},        {"foreignObject", Role::kUnsupported}, {"video", Role::kUnsupported},
};

Role RoleOf(std::string_view local) {
    for (const ElementEntry& e : kElements)
        if (local == e.name) return e.role;
    return Role::kHidden;
}

// An element's attributes by namespace and local name.
class Attributes {
public:
    explicit Attributes(const XML_Char** atts) : atts_(atts) {}
    // Null when absent. `ns` empty: an attribute without a namespace.
    const char* Get(std::string_view ns, std::string_view local) const {
        for (int i = 0; atts_[i]; i += 2) {
            std::string_view name(atts_[i]);
            size_t sep = name.find(kSep);
            std::string_view n = sep == std::string_view::npos ? std::string_view() : name.substr(0, sep);
            std::string_view l = sep == std::string_view::npos ? name : name.substr(sep + 1);
            if (n == ns && l == local) return atts_[i + 1];
        }
        return nullptr;
    }
    const char* Plain(std::string_view local) const { return Get({}, local); }
    bool IsTrue(std::string_view ns, std::string_view local) const {
        const char* v = Get(ns, local);
        return v && std::strcmp(v, "true") == 0;
    }
    template <typename F>
    void ForEachPlain(F&& f) const {
        for (int i = 0; atts_[i]; i += 2)
            if (!std::strchr(atts_[i], kSep)) f(std::string_view(atts_[i]), std::string_view(atts_[i + 1]));
    }

private:
    const XML_Char** atts_;
};

struct Frame {
    enum Kind { kContainer, kShape, kDefs, kGradient, kStyle } kind = kContainer;
    SvgMatrix ctm;          // from this element's user space to the document
    SvgStyle style;         // computed, inherited by the children
    DocId group = 0;        // where the children's art goes; 0: the top level
    DocId art = 0;          // the art this element made (tags attach to it)
    int groupDepth = 0;     // document groups above the children
    double viewportWidth = 100, viewportHeight = 100;   // user units, for percentages
    std::string gradient;   // kGradient: its id
};

struct Gradient {
    SvgColor sum;
    int stops = 0;
    std::string href;
};

class SvgReader {
public:
    explicit SvgReader(const std::string& name) : name_(name) {}
    ~SvgReader() {
        if (parser_) XML_ParserFree(parser_);
    }

    bool Begin(std::string* error);
    // Feeds bytes; false once the file is refused.
    bool Feed(const char* data, size_t size, bool last);
    bool Finish(SvgOpenReport* report, std::string* error);

private:
    static void OnStart(void* self, const XML_Char* name, const XML_Char** atts) {
        static_cast<SvgReader*>(self)->Guard([&] { static_cast<SvgReader*>(self)->Start(name, atts); });
    }
    static void OnEnd(void* self, const XML_Char*) {
        static_cast<SvgReader*>(self)->Guard([&] { static_cast<SvgReader*>(self)->End(); });
    }
    static void OnText(void* self, const XML_Char* text, int length) {
        auto* r = static_cast<SvgReader*>(self);
        r->Guard([&] {
            if (r->skipDepth_ == 0 && !r->frames_.empty() && r->frames_.back().kind == Frame::kStyle)
                r->styleText_.append(text, static_cast<size_t>(length));
        });
    }
    // External entities are never fetched: the reference is left out.
    static int OnExternalEntity(XML_Parser parser, const XML_Char*, const XML_Char*, const XML_Char* systemId,
                                const XML_Char*) {
        auto* r = static_cast<SvgReader*>(XML_GetUserData(parser));
        r->Guard([&] { r->Warn(std::string("external entity '") + (systemId ? systemId : "") + "' not fetched"); });
        return XML_STATUS_OK;
    }

    // No exception may cross Expat's C frames: it stops the parse instead.
    template <typename F>
    void Guard(F&& f) {
        try {
            f();
        } catch (const std::bad_alloc&) {
            Fail("out of memory");
        } catch (const std::exception& e) {
            Fail(e.what());
        }
    }

    void Start(const XML_Char* name, const XML_Char** atts);
    void End();
    void Fail(const std::string& message);
    void Warn(const std::string& message);
    std::string Where() const;

    bool StartRoot(std::string_view ns, std::string_view local, const Attributes& a);
    void StartSvgElement(std::string_view local, const Attributes& a);
    void StartContainer(std::string_view local, const Attributes& a, Frame& frame);
    void StartShape(std::string_view local, const Attributes& a, Frame& frame);
    void StartPattern(const Attributes& a);
    void StartStop(const Attributes& a);
    void AddTag(const Attributes& a);
    SvgStyle ComputeStyle(std::string_view local, const Attributes& a, const Frame& parent);
    bool ElementMatrix(const Attributes& a, const Frame& parent, SvgMatrix* ctm);
    Art& NewArt(int32_t kind, const Frame& parent, const Attributes& a, const SvgStyle& style);
    std::string NameOf(const Attributes& a, bool* present) const;
    double Length(const Attributes& a, const char* attr, SvgAxis axis, const Frame& frame, double fallback,
                  bool* negative) const;
    PaintColor Paint(const SvgPaint& paint, const SvgStyle& style, bool* on);
    bool Resolve(const SvgPaint& paint, const SvgStyle& style, SvgColor* color, bool* isPattern);
    PathStyle DocumentStyle(const SvgStyle& style, const SvgMatrix& ctm, const Attributes& a, bool guide);
    bool PaintsAgree(const std::string& shown, const SvgPaint& computed, const SvgStyle& style);

    std::string name_;
    XML_Parser parser_ = nullptr;
    std::string error_;
    bool failed_ = false;
    bool sawRoot_ = false;
    bool rootWithoutNamespace_ = false;   // a sloppy file: its elements are taken as SVG
    int depth_ = 0;
    int skipDepth_ = 0;            // >0: inside an element whose content is ignored
    bool flattenWarned_ = false;
    std::vector<Frame> frames_;
    std::string styleText_;
    SvgStyleSheet sheet_;
    std::unordered_map<std::string, Gradient> gradients_;
    std::unordered_map<std::string, DocId> patternIds_;   // element id -> pattern
    std::vector<DocId> patternOrder_;                      // the document's patterns, in file order
    std::map<std::string, int> leftOut_;                   // unsupported elements by name
    int approximated_ = 0;                                 // gradient or pattern paints made plain
    int unresolved_ = 0;                                   // paints referring to nothing
    SvgBuild build_;
    std::vector<std::string> warnings_;
    std::vector<const SvgDeclarations*> matched_;
    std::vector<double> numbers_;
};

void SvgReader::Fail(const std::string& message) {
    if (!failed_) {
        failed_ = true;
        error_ = Where() + message;
    }
    if (parser_) XML_StopParser(parser_, XML_FALSE);
}

std::string SvgReader::Where() const {
    if (!parser_) return name_ + ": ";
    return name_ + ":" + std::to_string(XML_GetCurrentLineNumber(parser_)) + ": ";
}

void SvgReader::Warn(const std::string& message) {
    // A bound on the messages: a broken file could otherwise make millions.
    constexpr size_t kMaxWarnings = 200;
    if (warnings_.size() < kMaxWarnings) warnings_.push_back(Where() + message);
    else if (warnings_.size() == kMaxWarnings) warnings_.push_back(name_ + ": more warnings left out");
}

bool SvgReader::Begin(std::string* error) {
    parser_ = XML_ParserCreateNS(nullptr, kSep);
    if (!parser_) {
        *error = name_ + ": out of memory";
        return false;
    }
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(parser_, OnStart, OnEnd);
    XML_SetCharacterDataHandler(parser_, OnText);
    // Internal entities are expanded within bounds; external ones and the
    // external DTD are never read.
    XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
    XML_SetExternalEntityRefHandler(parser_, OnExternalEntity);
    XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser_, 100.0f);
    XML_SetBillionLaughsAttackProtectionActivationThreshold(parser_, 1u << 20);
    return true;
}

bool SvgReader::Feed(const char* data, size_t size, bool last) {
    if (failed_) return false;
    if (XML_Parse(parser_, data, static_cast<int>(size), last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
        if (!failed_) {
            failed_ = true;
            error_ = Where() + XML_ErrorString(XML_GetErrorCode(parser_));
        }
        return false;
    }
    return true;
}

bool SvgReader::Finish(SvgOpenReport* report, std::string* error) {
    if (!failed_ && !sawRoot_) Fail("no SVG element");
    if (failed_) {
        *error = error_;
        return false;
    }
    for (const auto& [element, count] : leftOut_)
        warnings_.push_back(name_ + ": " + std::to_string(count) + " <" + element + "> element" +
                            (count > 1 ? "s" : "") + " left out (the document holds only paths and groups)");
    if (approximated_)
        warnings_.push_back(name_ + ": " + std::to_string(approximated_) +
                            " gradient paint(s) made plain (the mean colour of their stops)");
    if (unresolved_)
        warnings_.push_back(name_ + ": " + std::to_string(unresolved_) +
                            " paint(s) referring to nothing known here, taken as their fallback or none");
    if (sheet_.Skipped())
        warnings_.push_back(name_ + ": " + std::to_string(sheet_.Skipped()) +
                            " style-sheet selector(s) or rule(s) not understood, left out");
    SvgAssembleLayers(build_);
    report->warnings = std::move(warnings_);
    report->layers = build_.doc.layers.size();
    report->groups = report->paths = 0;
    for (const auto& [id, art] : build_.doc.arts) {
        if (art->kind == kArtPath) ++report->paths;
        else if (art->layer == 0) ++report->groups;
    }
    SvgCommit(build_);
    return true;
}

void SvgReader::Start(const XML_Char* rawName, const XML_Char** atts) {
    if (++depth_ > kSvgMaxElementDepth) {
        Fail("elements nested more than " + std::to_string(kSvgMaxElementDepth) + " deep");
        return;
    }
    if (skipDepth_ > 0) {
        ++skipDepth_;
        return;
    }
    std::string_view name(rawName);
    size_t sep = name.find(kSep);
    std::string_view ns = sep == std::string_view::npos ? std::string_view() : name.substr(0, sep);
    std::string_view local = sep == std::string_view::npos ? name : name.substr(sep + 1);
    Attributes a(atts);
    if (!sawRoot_) {
        sawRoot_ = true;
        StartRoot(ns, local, a);
        return;
    }
    if (ns == kDrawhostNs && local == "tag") {
        AddTag(a);
        ++skipDepth_;
        return;
    }
    // Elements of other vocabularies (editor settings, metadata) say nothing
    // about the drawing. A file without the SVG namespace is read as SVG.
    if (ns != kSvgNs && !(ns.empty() && rootWithoutNamespace_)) {
        ++skipDepth_;
        return;
    }
    StartSvgElement(local, a);
}

bool SvgReader::StartRoot(std::string_view ns, std::string_view local, const Attributes& a) {
    if (local != "svg" || (ns != kSvgNs && !ns.empty())) {
        Fail("not an SVG document: the root element is <" + std::string(local) + ">");
        return false;
    }
    rootWithoutNamespace_ = ns.empty();
    Frame root;
    root.style = ComputeStyle(local, a, root);
    SvgViewBox box;
    bool hasBox = false;
    if (const char* vb = a.Plain("viewBox")) {
        hasBox = SvgParseViewBox(vb, &box);
        if (!hasBox) Warn(std::string("viewBox '") + vb + "' not understood; one unit taken as one pixel");
    }
    // The page's size in points, when the file gives it in absolute units.
    auto pagePoints = [&](const char* attr, double* points) {
        SvgLength length;
        const char* text = a.Plain(attr);
        if (!text || !SvgParseLength(text, &length) || length.unit == SvgUnit::kPercent || !(length.number > 0) ||
            !std::isfinite(length.number))
            return false;
        *points = length.number * SvgUnitInPoints(length.unit);
        return true;
    };
    double widthPt = 0, heightPt = 0;
    bool hasWidth = pagePoints("width", &widthPt), hasHeight = pagePoints("height", &heightPt);
    double sx = 0.75, sy = 0.75;
    if (hasBox) {
        if (!hasWidth) widthPt = hasHeight ? heightPt * box.width / box.height : box.width * 0.75;
        if (!hasHeight) heightPt = hasWidth ? widthPt * box.height / box.width : box.height * 0.75;
        sx = widthPt / box.width;
        sy = heightPt / box.height;
        SvgAspect aspect;
        if (const char* par = a.Plain("preserveAspectRatio"); par && !SvgParseAspect(par, &aspect))
            Warn(std::string("preserveAspectRatio '") + par + "' not understood");
        if (!aspect.none) sx = sy = aspect.slice ? std::fmax(sx, sy) : std::fmin(sx, sy);
        root.viewportWidth = box.width;
        root.viewportHeight = box.height;
    } else {
        root.viewportWidth = hasWidth ? widthPt / 0.75 : 100;
        root.viewportHeight = hasHeight ? heightPt / 0.75 : 100;
    }
    if (!std::isfinite(sx) || !std::isfinite(sy) || !(sx > 0) || !(sy > 0)) {
        Fail("the page's size and viewBox give no usable scale");
        return false;
    }
    // y down in the file, v up in the document.
    root.ctm = SvgMatrix{sx, 0, 0, -sy, 0, 0};
    if (hasBox || (hasWidth && hasHeight)) {
        build_.hasPage = true;
        build_.pageLeft = hasBox ? box.x * sx : 0.0;
        build_.pageTop = hasBox ? -box.y * sy : 0.0;
        build_.pageWidth = hasBox ? box.width * sx : widthPt;
        build_.pageHeight = hasBox ? box.height * sy : heightPt;
    }
    if (const char* units = a.Get(kDrawhostNs, "units"))
        build_.hasUnits = SvgRulerUnitFromName(units, &build_.rulerUnits);
    frames_.push_back(std::move(root));
    return true;
}

void SvgReader::StartSvgElement(std::string_view local, const Attributes& a) {
    Frame& parent = frames_.back();
    if (local == "pattern") {
        StartPattern(a);
        ++skipDepth_;
        return;
    }
    Role role = RoleOf(local);
    Frame frame;
    frame.ctm = parent.ctm;
    frame.style = parent.style;
    frame.viewportWidth = parent.viewportWidth;
    frame.viewportHeight = parent.viewportHeight;
    switch (role) {
        case Role::kStyle:
            frame.kind = Frame::kStyle;
            styleText_.clear();
            frames_.push_back(std::move(frame));
            return;
        case Role::kDefs:
            frame.kind = Frame::kDefs;
            frames_.push_back(std::move(frame));
            return;
        case Role::kGradient: {
            frame.kind = Frame::kGradient;
            const char* id = a.Plain("id");
            const char* href = a.Get(kXlinkNs, "href");
            if (!href) href = a.Plain("href");
            if (id) {
                frame.gradient = id;
                Gradient& g = gradients_[id];
                if (href && href[0] == '#') g.href = href + 1;
            }
            frames_.push_back(std::move(frame));
            return;
        }
        case Role::kStop:
            if (parent.kind == Frame::kGradient) StartStop(a);
            ++skipDepth_;
            return;
        case Role::kUnsupported:
            if (parent.kind == Frame::kContainer) ++leftOut_[std::string(local)];
            ++skipDepth_;
            return;
        case Role::kHidden:
            ++skipDepth_;
            return;
        case Role::kContainer:
        case Role::kShape:
            // Outlines inside definitions are drawn only where used.
            if (parent.kind != Frame::kContainer) {
                ++skipDepth_;
                return;
            }
            if (role == Role::kContainer) StartContainer(local, a, frame);
            else StartShape(local, a, frame);
            return;
    }
}

void SvgReader::StartContainer(std::string_view local, const Attributes& a, Frame& frame) {
    const Frame& parent = frames_.back();
    frame.kind = Frame::kContainer;
    frame.style = ComputeStyle(local, a, parent);
    if (!ElementMatrix(a, parent, &frame.ctm)) {
        ++skipDepth_;
        return;
    }
    if (local == "svg") {
        // A nested viewport: placed at x, y, its viewBox fitted to its size.
        double x = Length(a, "x", SvgAxis::kX, parent, 0, nullptr);
        double y = Length(a, "y", SvgAxis::kY, parent, 0, nullptr);
        double w = Length(a, "width", SvgAxis::kX, parent, parent.viewportWidth, nullptr);
        double h = Length(a, "height", SvgAxis::kY, parent, parent.viewportHeight, nullptr);
        SvgMatrix place{1, 0, 0, 1, x, y};
        SvgViewBox box;
        const char* vb = a.Plain("viewBox");
        if (vb && SvgParseViewBox(vb, &box) && w > 0 && h > 0) {
            SvgAspect aspect;
            if (const char* par = a.Plain("preserveAspectRatio")) SvgParseAspect(par, &aspect);
            place = SvgMultiply(place, SvgViewBoxMatrix(box, aspect, w, h));
            frame.viewportWidth = box.width;
            frame.viewportHeight = box.height;
        } else {
            frame.viewportWidth = w;
            frame.viewportHeight = h;
        }
        frame.ctm = SvgMultiply(frame.ctm, place);
        if (!frame.ctm.Finite() || frame.ctm.Determinant() == 0) {
            Warn("a nested <svg> of no size or an unusable viewBox: left out");
            ++skipDepth_;
            return;
        }
    }
    if (parent.groupDepth >= kSvgMaxGroupDepth) {
        // Deeper groups add nothing the art needs: their content joins the
        // group at the limit, drawn as before.
        if (!flattenWarned_) {
            Warn("groups nested more than " + std::to_string(kSvgMaxGroupDepth) +
                 " deep: the deeper ones are merged into their ancestor");
            flattenWarned_ = true;
        }
        frame.group = parent.group;
        frame.groupDepth = parent.groupDepth;
        frame.art = 0;
    } else {
        Art& group = NewArt(kArtGroup, parent, a, frame.style);
        frame.group = group.id;
        frame.art = group.id;
        frame.groupDepth = parent.groupDepth + 1;
    }
    frames_.push_back(std::move(frame));
}

void SvgReader::StartShape(std::string_view local, const Attributes& a, Frame& frame) {
    const Frame& parent = frames_.back();
    frame.kind = Frame::kShape;
    frame.style = ComputeStyle(local, a, parent);
    ++skipDepth_;   // until an art is made; undone below
    if (!ElementMatrix(a, parent, &frame.ctm)) return;
    const SvgMatrix& m = frame.ctm;
    SvgOutline outline;
    bool keepEmpty = false;
    bool negative = false;
    auto len = [&](const char* attr, SvgAxis axis, double fallback) {
        return Length(a, attr, axis, frame, fallback, &negative);
    };
    if (local == "path") {
        const char* d = a.Plain("d");
        if (!d) return;   // nothing to draw
        size_t errorAt = 0;
        SvgPathData(d, m, &outline, &errorAt);
        if (errorAt != std::string_view::npos) {
            std::string where = errorAt >= std::strlen(d) ? "path data that ends inside a segment"
                                                          : "error in the path data at character " +
                                                                std::to_string(errorAt + 1);
            Warn(where + (outline.subpaths.empty() ? ": nothing before it to keep" : ": what precedes it is kept"));
        } else {
            std::string_view data(d);
            keepEmpty = data.find_first_not_of(" \t\r\n") == std::string_view::npos;
        }
    } else if (local == "rect") {
        double x = len("x", SvgAxis::kX, 0), y = len("y", SvgAxis::kY, 0);
        double w = len("width", SvgAxis::kX, 0), h = len("height", SvgAxis::kY, 0);
        bool hasRx = a.Plain("rx"), hasRy = a.Plain("ry");
        double rx = len("rx", SvgAxis::kX, 0), ry = len("ry", SvgAxis::kY, 0);
        if (hasRx && !hasRy) ry = rx;
        if (hasRy && !hasRx) rx = ry;
        SvgRectOutline(x, y, w, h, rx, ry, m, &outline);
    } else if (local == "circle") {
        double r = len("r", SvgAxis::kOther, 0);
        SvgEllipseOutline(len("cx", SvgAxis::kX, 0), len("cy", SvgAxis::kY, 0), r, r, m, &outline);
    } else if (local == "ellipse") {
        SvgEllipseOutline(len("cx", SvgAxis::kX, 0), len("cy", SvgAxis::kY, 0), len("rx", SvgAxis::kX, 0),
                          len("ry", SvgAxis::kY, 0), m, &outline);
    } else if (local == "line") {
        SvgPolyOutline({len("x1", SvgAxis::kX, 0), len("y1", SvgAxis::kY, 0), len("x2", SvgAxis::kX, 0),
                        len("y2", SvgAxis::kY, 0)},
                       false, m, &outline);
    } else {   // polyline, polygon
        const char* points = a.Plain("points");
        numbers_.clear();
        if (points) {
            const char* p = points;
            const char* end = p + std::strlen(p);
            SvgSkipSeparator(&p, end);
            double v = 0;
            while (p < end && SvgNumber(&p, end, &v)) {
                numbers_.push_back(v);
                SvgSkipSeparator(&p, end);
            }
            if (p < end) Warn("error in the points at character " + std::to_string(p - points + 1) +
                              ": what precedes it is kept");
            else if (numbers_.size() % 2) Warn("an odd number of coordinates in the points: the last one is left out");
        }
        SvgPolyOutline(numbers_, local == "polygon", m, &outline);
    }
    if (negative) Warn("a negative size on <" + std::string(local) + ">: left out");
    if (outline.outOfRange) {
        Warn("<" + std::string(local) + "> has coordinates beyond " + std::to_string(static_cast<long>(kMaxCoordinate)) +
             " points or not finite: left out");
        return;
    }
    if (negative || (outline.subpaths.empty() && !keepEmpty)) return;

    bool guide = a.IsTrue(kDrawhostNs, "guide") || a.IsTrue({}, "data-guide");
    PathStyle style = DocumentStyle(frame.style, m, a, guide);
    bool hidden = frame.style.displayNone || !frame.style.visible;
    auto fillPath = [&](Art& path, SvgSubpath& sub) {
        path.segments = std::move(sub.segments);
        path.closed = sub.closed;
        path.style = style;
        path.guide = guide;
    };
    Art* made = nullptr;
    if (outline.subpaths.size() <= 1) {
        Art& path = NewArt(kArtPath, parent, a, frame.style);
        if (outline.subpaths.empty()) {
            path.style = style;
            path.guide = guide;
            path.closed = a.IsTrue({}, "data-closed");
        } else {
            fillPath(path, outline.subpaths.front());
        }
        if (const char* corners = a.Get(kDrawhostNs, "corners")) SvgApplyCorners(corners, &path.segments);
        path.centerPointVisible = a.IsTrue(kDrawhostNs, "center-point");
        made = &path;
    } else {
        // Several subpaths: the document has no compound paths, so a group of
        // paths stands for the element.
        Art& group = NewArt(kArtGroup, parent, a, frame.style);
        DocId groupId = group.id;
        for (SvgSubpath& sub : outline.subpaths) fillPath(SvgNewArt(build_, kArtPath, groupId), sub);
        made = build_.doc.arts.at(groupId).get();
        // It is one shape, not a container that could be a layer.
        if (parent.group == 0) build_.roots.back().group = false;
    }
    if (hidden) made->userAttr |= kArtHidden;
    else made->userAttr &= ~kArtHidden;
    frame.art = made->id;
    --skipDepth_;
    frames_.push_back(std::move(frame));
}

void SvgReader::StartPattern(const Attributes& a) {
    // Only drawhost's own patterns are document patterns: they carry the
    // pattern's name.
    bool present = false;
    std::string name;
    if (const char* hex = a.Get(kDrawhostNs, "name-hex")) present = SvgFromHexText(hex, &name);
    if (!present)
        if (const char* n = a.Get(kDrawhostNs, "name")) {
            name = n;
            present = true;
        }
    const char* id = a.Plain("id");
    if (!present || !id) return;
    DocId pattern = DocumentNewId();
    build_.doc.patterns.push_back(Pattern{pattern, name});
    patternIds_[id] = pattern;
    patternOrder_.push_back(pattern);
}

void SvgReader::StartStop(const Attributes& a) {
    Frame& gradientFrame = frames_.back();
    if (gradientFrame.gradient.empty()) return;
    SvgColor color;   // black unless said
    if (const char* c = a.Plain("stop-color")) SvgParseColor(c, &color);
    if (const char* style = a.Plain("style"))
        for (const auto& [property, value] : SvgParseDeclarations(style))
            if (property == "stop-color") SvgParseColor(value, &color);
    Gradient& g = gradients_[gradientFrame.gradient];
    g.sum.red += color.red;
    g.sum.green += color.green;
    g.sum.blue += color.blue;
    ++g.stops;
}

void SvgReader::AddTag(const Attributes& a) {
    DocId target = frames_.empty() ? 0 : frames_.back().art;
    if (!target) return;
    std::string name, value;
    bool hasName = false, hasValue = false;
    if (const char* hex = a.Plain("name-hex")) hasName = SvgFromHexText(hex, &name);
    else if (const char* n = a.Plain("name")) name = n, hasName = true;
    if (const char* hex = a.Plain("value-hex")) hasValue = SvgFromHexText(hex, &value);
    else if (const char* v = a.Plain("value")) value = v, hasValue = true;
    if (!hasName || name.empty() || !hasValue) {
        Warn("a tag without a name or a value: left out");
        return;
    }
    build_.doc.arts.at(target)->tags[name] = value;
}

SvgStyle SvgReader::ComputeStyle(std::string_view local, const Attributes& a, const Frame& parent) {
    SvgStyle s = parent.style;
    s.displayNone = false;
    double w = parent.viewportWidth, h = parent.viewportHeight;
    double diagonal = std::sqrt((w * w + h * h) / 2);
    // Presentation attributes, then the style sheet, then the style
    // attribute: each overrides what came before.
    a.ForEachPlain([&](std::string_view name, std::string_view value) {
        if (SvgIsStyleProperty(name)) SvgApplyDeclaration(name, value, parent.style, diagonal, &s);
    });
    if (!sheet_.Empty()) {
        const char* id = a.Plain("id");
        const char* classes = a.Plain("class");
        sheet_.Collect(SvgElementKeys{local, id ? id : "", classes ? classes : ""}, &matched_);
        for (const SvgDeclarations* declarations : matched_)
            for (const auto& [property, value] : *declarations)
                SvgApplyDeclaration(property, value, parent.style, diagonal, &s);
    }
    if (const char* style = a.Plain("style"))
        for (const auto& [property, value] : SvgParseDeclarations(style))
            SvgApplyDeclaration(property, value, parent.style, diagonal, &s);
    return s;
}

bool SvgReader::ElementMatrix(const Attributes& a, const Frame& parent, SvgMatrix* ctm) {
    *ctm = parent.ctm;
    const char* text = a.Plain("transform");
    if (!text) return true;
    SvgMatrix local;
    if (!SvgParseTransform(text, &local)) {
        Warn(std::string("transform '") + text + "' not understood: ignored");
        return true;
    }
    *ctm = SvgMultiply(parent.ctm, local);
    if (!ctm->Finite() || ctm->Determinant() == 0 || !std::isfinite(ctm->Determinant())) {
        // A zero scale draws nothing, as SVG says; a map that overflows
        // cannot place anything.
        Warn(std::string("transform '") + text + "' collapses or overflows the drawing: the element is left out");
        return false;
    }
    return true;
}

std::string SvgReader::NameOf(const Attributes& a, bool* present) const {
    std::string name;
    *present = true;
    if (const char* hex = a.Get(kDrawhostNs, "name-hex"); hex && SvgFromHexText(hex, &name)) return name;
    if (const char* label = a.Get(kInkscapeNs, "label")) return label;
    if (const char* dataName = a.Plain("data-name")) return dataName;
    *present = false;
    return name;
}

Art& SvgReader::NewArt(int32_t kind, const Frame& parent, const Attributes& a, const SvgStyle& style) {
    Art& art = SvgNewArt(build_, kind, parent.group);
    bool named = false;
    art.name = NameOf(a, &named);
    if (style.displayNone) art.userAttr |= kArtHidden;
    bool locked = a.IsTrue(kSodipodiNs, "insensitive") || a.IsTrue({}, "data-locked");
    if (locked) art.userAttr |= kArtLocked;
    if (parent.group == 0) {
        SvgRootItem item;
        item.art = art.id;
        item.group = kind == kArtGroup;
        const char* mode = a.Get(kInkscapeNs, "groupmode");
        item.markedLayer = item.group && ((mode && std::strcmp(mode, "layer") == 0) || a.IsTrue({}, "data-layer"));
        item.title = art.name;
        item.hasTitle = named;
        if (!named)
            if (const char* id = a.Plain("id")) {
                item.title = id;
                item.hasTitle = true;
            }
        item.visible = !style.displayNone && style.visible;
        const char* editable = a.Plain("data-editable");
        item.editable = !locked && !(editable && std::strcmp(editable, "false") == 0);
        if (const char* color = a.Get(kDrawhostNs, "color"))
            item.hasColor = SvgParseExactTriple(color, &item.color.red, &item.color.green, &item.color.blue);
        item.current = a.IsTrue(kDrawhostNs, "current");
        build_.roots.push_back(std::move(item));
    }
    return art;
}

double SvgReader::Length(const Attributes& a, const char* attr, SvgAxis axis, const Frame& frame, double fallback,
                         bool* negative) const {
    const char* text = a.Plain(attr);
    if (!text) return fallback;
    SvgLength length;
    if (!SvgParseLength(text, &length)) return fallback;
    double v = SvgLengthInUser(length, axis, frame.viewportWidth, frame.viewportHeight);
    if (v < 0 && negative) *negative = true;
    return v;
}

bool SvgReader::Resolve(const SvgPaint& paint, const SvgStyle& style, SvgColor* color, bool* isPattern) {
    *isPattern = false;
    switch (paint.kind) {
        case SvgPaint::kNone:
            return false;
        case SvgPaint::kColor:
            *color = paint.color;
            return true;
        case SvgPaint::kCurrentColor:
            *color = style.color;
            return true;
        case SvgPaint::kUrl:
            break;
    }
    if (patternIds_.count(paint.url)) {
        *isPattern = true;
        return true;
    }
    // A gradient's colours may sit in the gradient it refers to.
    std::string id = paint.url;
    for (int hops = 0; hops < 16; ++hops) {
        auto it = gradients_.find(id);
        if (it == gradients_.end()) break;
        if (it->second.stops > 0) {
            const Gradient& g = it->second;
            *color = SvgColor{g.sum.red / g.stops, g.sum.green / g.stops, g.sum.blue / g.stops};
            ++approximated_;
            return true;
        }
        id = it->second.href;
    }
    ++unresolved_;
    if (!paint.hasFallback || paint.fallbackKind == SvgPaint::kNone) return false;
    *color = paint.fallbackKind == SvgPaint::kCurrentColor ? style.color : paint.fallback;
    return true;
}

PaintColor SvgReader::Paint(const SvgPaint& paint, const SvgStyle& style, bool* on) {
    PaintColor c{};
    SvgColor color;
    bool isPattern = false;
    *on = Resolve(paint, style, &color, &isPattern);
    if (!*on) {
        c.kind = kPaintNone;
    } else if (isPattern) {
        c.kind = kPaintPattern;
        c.pattern = reinterpret_cast<PatternHandle>(static_cast<uintptr_t>(patternIds_.at(paint.url)));
        c.scaleH = c.scaleV = 100.0f;
        c.transform = RealMatrix{1, 0, 0, 1, 0, 0};
    } else if (color.red == color.green && color.green == color.blue) {
        // Grey 1 is black in the document.
        c.kind = kPaintGray;
        c.gray = static_cast<float>(1.0 - color.red);
    } else {
        c.kind = kPaintRGB;
        c.red = static_cast<float>(color.red);
        c.green = static_cast<float>(color.green);
        c.blue = static_cast<float>(color.blue);
    }
    return c;
}

bool SvgReader::PaintsAgree(const std::string& shown, const SvgPaint& computed, const SvgStyle& style) {
    SvgPaint expected;
    if (!SvgParsePaint(shown, &expected)) return false;
    SvgPaint actual = computed;
    if (actual.kind == SvgPaint::kCurrentColor) {
        actual.kind = SvgPaint::kColor;
        actual.color = style.color;
    }
    if (expected.kind != actual.kind) return false;
    if (expected.kind == SvgPaint::kUrl) return expected.url == actual.url;
    if (expected.kind == SvgPaint::kNone) return true;
    auto byte = [](double c) { return std::lround(c * 255); };
    return byte(expected.color.red) == byte(actual.color.red) &&
           byte(expected.color.green) == byte(actual.color.green) &&
           byte(expected.color.blue) == byte(actual.color.blue);
}

PathStyle SvgReader::DocumentStyle(const SvgStyle& style, const SvgMatrix& ctm, const Attributes& a, bool guide) {
    PathStyle s{};
    bool on = false;
    s.fill = Paint(style.fill, style, &on);
    s.fillPaint = on ? 1 : 0;
    s.stroke.color = Paint(style.stroke, style, &on);
    s.strokePaint = on ? 1 : 0;
    // A stroke scales with its element: by the square root of the area
    // factor when the scale differs along the axes.
    double width = style.strokeWidth * std::sqrt(std::fabs(ctm.Determinant()));
    s.stroke.width = static_cast<float>(std::isfinite(width) ? std::fmin(width, kMaxCoordinate) : 1.0);
    s.stroke.cap = style.cap;
    s.stroke.join = style.join;
    s.stroke.miterLimit = static_cast<float>(style.miterLimit);
    const char* exactText = a.Get(kDrawhostNs, "style");
    if (!exactText) return s;
    auto patternOfNumber = [this](int n) -> PatternHandle {
        if (n < 1 || static_cast<size_t>(n) > patternOrder_.size()) return nullptr;
        return reinterpret_cast<PatternHandle>(static_cast<uintptr_t>(patternOrder_[static_cast<size_t>(n - 1)]));
    };
    auto numberOfPattern = [this](PatternHandle p) {
        for (size_t i = 0; i < patternOrder_.size(); ++i)
            if (patternOrder_[i] == IdOf(p)) return static_cast<int>(i + 1);
        return 0;
    };
    PathStyle exact{};
    if (!SvgParseExactStyle(exactText, patternOfNumber, &exact)) return s;
    // The exact values stand while the file still shows what they showed.
    SvgShownStyle shown = SvgShownStyleOf(exact, guide, numberOfPattern);
    if (PaintsAgree(shown.fill, style.fill, style) && PaintsAgree(shown.stroke, style.stroke, style) &&
        shown.width == s.stroke.width && shown.cap == s.stroke.cap && shown.join == s.stroke.join &&
        shown.miterLimit == s.stroke.miterLimit)
        return exact;
    return s;
}

void SvgReader::End() {
    --depth_;
    if (skipDepth_ > 0) {
        --skipDepth_;
        return;
    }
    if (frames_.empty()) return;
    if (frames_.back().kind == Frame::kStyle) {
        sheet_.Add(styleText_);
        styleText_.clear();
    }
    frames_.pop_back();
}

// Reads a regular file in blocks, never more than kSvgMaxFileBytes.
bool ReadInto(const std::string& path, SvgReader& reader, std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *error = path + ": cannot open: " + std::strerror(errno);
        return false;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        *error = path + ": cannot read: " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *error = path + ": not a regular file";
        return false;
    }
    if (static_cast<unsigned long long>(st.st_size) > kSvgMaxFileBytes) {
        *error = path + ": " + std::to_string(st.st_size) + " bytes, more than the " +
                 std::to_string(kSvgMaxFileBytes >> 20) + " MiB a drawing may have";
        return false;
    }
    std::vector<char> block(size_t{1} << 20);
    size_t total = 0;
    for (;;) {
        ssize_t n = ::read(fd, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = path + ": cannot read: " + std::strerror(errno);
            return false;
        }
        total += static_cast<size_t>(n);
        if (total > kSvgMaxFileBytes) {   // the file grew while read
            *error = path + ": more than the " + std::to_string(kSvgMaxFileBytes >> 20) + " MiB a drawing may have";
            return false;
        }
        if (!reader.Feed(block.data(), static_cast<size_t>(n), n == 0)) return true;   // the reader tells why
        if (n == 0) return true;
    }
}

}  // namespace

bool DocumentOpenSvg(const std::string& path, SvgOpenReport* report, std::string* error) {
    try {
        SvgReader reader(path);
        if (!reader.Begin(error)) return false;
        std::string readError;
        if (!ReadInto(path, reader, &readError)) {
            *error = readError;
            return false;
        }
        return reader.Finish(report, error);
    } catch (const std::bad_alloc&) {
        *error = path + ": out of memory; the document is unchanged";
        return false;
    }
}

bool DocumentOpenSvgText(std::string_view text, const std::string& name, SvgOpenReport* report, std::string* error) {
    try {
        SvgReader reader(name);
        if (!reader.Begin(error)) return false;
        constexpr size_t kBlock = size_t{1} << 20;
        size_t at = 0;
        do {
            size_t n = std::min(kBlock, text.size() - at);
            if (!reader.Feed(text.data() + at, n, at + n == text.size())) break;
            at += n;
        } while (at < text.size());
        return reader.Finish(report, error);
    } catch (const std::bad_alloc&) {
        *error = name + ": out of memory; the document is unchanged";
        return false;
    }
}

}  // namespace drawhost
