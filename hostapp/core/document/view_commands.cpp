// Session commands that look at the front view as a user sees it:
//   scroll X Y                  the view's centre moves to the document point (X, Y)
//   view-snapshot FILE.png      a picture of the view with the annotators' drawing over
//                               the art, written when the line runs; the texts they drew
//                               go to the log
// Scrolling is what a user does between two mouse events; the plug-in reads
// the view's new position through the view suite, as it would in the host.
#include "app/app_state.h"
#include "document/document.h"
#include "document/document_output.h"
#include "document/view_suite.h"
#include "frame/host.h"
#include "frame/script.h"

namespace drawhost {

namespace {

CommandRegistrar scroll("scroll", "scroll X Y", [](const ScriptArgs& a) {
    a.Expect(2);
    const RealPoint centre{static_cast<float>(a.Number(0)), static_cast<float>(a.Number(1))};
    if (!DocumentPointOk(centre)) throw ScriptError("'scroll': the point is outside the document's ±1e7 points");
    FrontView& view = TheDocument().view;
    // The origin is the view's top-left corner, v up in the document.
    view.origin = RealPoint{static_cast<float>(centre.h - kViewWidth / 2.0 / view.zoom),
                            static_cast<float>(centre.v + kViewHeight / 2.0 / view.zoom)};
});

CommandRegistrar viewSnapshot("view-snapshot", "view-snapshot FILE.png", [](const ScriptArgs& a) {
    a.Expect(1);
    std::string error;
    if (!DocumentWritePng(a.Str(0), &error)) throw ScriptError("'view-snapshot': " + error);
    HostLog("> view-snapshot " + a.Str(0));
    for (const AppAnnotator& annotator : TheApp().annotators)
        for (const std::string& drawn : annotator.drawn)
            if (drawn.rfind("text ", 0) == 0) HostLog("overlay " + annotator.name + ": " + drawn);
});

}  // namespace

}  // namespace drawhost
