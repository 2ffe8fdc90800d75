#include "app/annotators.h"

#include <algorithm>

#include "app/prefs_store.h"
#include "dialogs/ports.h"
#include "document/document_output.h"
#include "frame/host.h"
#include "util/json_writer.h"

namespace drawhost {

namespace {

// Views are the document's: a view is known when the document lists it.
// Walking the list stops at the first error; the bound only guards against a
// list that never ends.
bool KnownView(ViewHandle view) {
    if (!view) return false;
    auto* views = static_cast<const DocumentViewSuite*>(
        HostFindSuite(kDocumentViewSuiteName, kDocumentViewSuiteVersion));
    if (!views) return false;
    for (int32_t n = 0; n < 256; ++n) {
        ViewHandle v = nullptr;
        if (views->GetNthView(n, &v) != kNoErr) break;
        if (v == view) return true;
    }
    return false;
}

int AnnotatorIndex(AnnotatorHandle a) {
    return AppIndexOf(AppHandleKind::Annotator, a, TheApp().annotators.size());
}

HostErr AddAnnotator(PluginRef plugin, const char* name, AnnotatorHandle* annotator) {
    if (!annotator || !name || !PrefsValidUtf8(name)) return kErrBadParameter;
    if (!HostPluginOf(plugin)) return kErrBadHandle;
    AppState& app = TheApp();
    AppAnnotator a;
    a.name = name;
    a.owner = plugin;
    HostLog("annotator added: " + a.name);
    app.annotators.push_back(std::move(a));
    *annotator = AppMakeHandle<AnnotatorHandle>(AppHandleKind::Annotator, app.annotators.size() - 1);
    return kNoErr;
}

HostErr SetAnnotatorActive(AnnotatorHandle annotator, HostBool active) {
    int i = AnnotatorIndex(annotator);
    if (i < 0) return kErrBadHandle;
    AppAnnotator& a = TheApp().annotators[i];
    if (a.active != (active != 0)) HostLog("annotator " + a.name + (active ? " active" : " inactive"));
    a.active = active != 0;
    return kNoErr;
}

// Rectangles given the wrong way round are turned round (a box clamped to
// the screen's edge can cross over); one without area holds no pixel.
HostErr InvalidAnnotationRect(ViewHandle view, const IntRect* rect) {
    if (!rect) return kErrBadParameter;
    if (!KnownView(view)) return kErrBadHandle;
    IntRect r = {std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                 std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
    if (r.left == r.right || r.top == r.bottom) return kNoErr;
    TheApp().invalid.push_back({view, r});
    return kNoErr;
}

const AnnotatorSuite kSuite = {AddAnnotator, SetAnnotatorActive, InvalidAnnotationRect};
SuiteRegistrar registrar(kAnnotatorSuiteName, kAnnotatorSuiteVersion, &kSuite);

void WriteAnnotators(JsonWriter& json) {
    json.BeginArray();
    for (const AppAnnotator& a : TheApp().annotators) {
        json.BeginObject();
        json.Field("name", a.name);
        json.Field("owner", AppOwnerName(a.owner));
        json.Field("active", a.active);
        json.Key("drawn");
        json.BeginArray();
        for (const std::string& line : a.drawn) json.String(line);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
}


struct Registration {
    Registration() {
        HostAddDumpSection("annotators", WriteAnnotators);
        DocumentSetOverlayPainter(AnnotatorsPaint);   // the PNG shows the last annotations
    }
} registration;

IntRect Union(IntRect a, const IntRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// One port over the front view, made at the first redraw.
PortRef Port() {
    AppState& app = TheApp();
    if (!app.annotationPort) app.annotationPort = DlgNewAnnotationPort();
    return app.annotationPort;
}

void DrawView(ViewHandle view, const IntRect& area, PortRef port) {
    // By index and by copy: an annotator may add annotators while it draws.
    size_t count = TheApp().annotators.size();
    for (size_t i = 0; i < count; ++i) {
        AppAnnotator a = TheApp().annotators[i];
        if (!a.active) continue;
        LoadedPlugin* owner = HostPluginOf(a.owner);
        if (!owner || !owner->started) continue;
        AnnotatorMessage msg{};
        msg.annotator = AppMakeHandle<AnnotatorHandle>(AppHandleKind::Annotator, i);
        msg.view = view;
        msg.port = port;
        msg.updateRect = area;
        const size_t before = DlgPortOperationCount(port);
        HostErr err = HostSend(*owner, kCallerAnnotation, kSelDraw, &msg.d);
        if (i < TheApp().annotators.size()) {
            std::vector<std::string> drawn = DlgDescribePort(port, before);
            std::vector<std::string>& kept = TheApp().annotators[i].drawn;
            kept.insert(kept.end(), drawn.begin(), drawn.end());
        }
        // Draws come after every event; only the failures are worth a line.
        if (err != kNoErr) HostLog("annotation draw " + a.name + " -> " + HostErrText(err));
    }
}

}  // namespace

void AnnotatorsRedraw() {
    AppState& app = TheApp();
    if (app.invalid.empty()) return;
    std::vector<AppInvalidRect> region;
    region.swap(app.invalid);

    // The whole port is redrawn: every annotator draws all of its feedback
    // at each draw, so what lay outside the invalid area is drawn again too.
    PortRef port = Port();
    DlgClearPort(port);
    for (AppAnnotator& a : app.annotators) a.drawn.clear();
    std::vector<std::pair<ViewHandle, IntRect>> views;
    for (const AppInvalidRect& r : region) {
        auto it = std::find_if(views.begin(), views.end(), [&](auto& v) { return v.first == r.view; });
        if (it == views.end())
            views.emplace_back(r.view, r.rect);
        else
            it->second = Union(it->second, r.rect);
    }
    for (auto& [view, area] : views) DrawView(view, area, port);
}

void AnnotatorsPaint(cairo_t* cr) {
    if (cr && TheApp().annotationPort) DlgPaintPort(TheApp().annotationPort, cr);
}

bool AnnotatorsBounds(IntRect* bounds) {
    return TheApp().annotationPort && DlgPortBounds(TheApp().annotationPort, bounds);
}

void AnnotatorsDisposePort(AppState& app) {
    if (app.annotationPort) DlgDisposePort(app.annotationPort);
    app.annotationPort = nullptr;
}

}  // namespace drawhost
