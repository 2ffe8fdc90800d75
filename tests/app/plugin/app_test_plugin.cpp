// Test plug-in of the host's application services. At start-up it adds:
//   "App Test Tool"   (its own group and toolset, wants cursor tracking)
//   "App Test Tool 2" (same group and toolset as the first, no tracking)
//   the menu item "App Test Item" in "Tool Palettes"
//   notifiers for application start and selection changes
//   the annotator "AppTestAnno", active while one of its tools is selected,
//   which fills the area it is asked to redraw in red
// Every message after that is numbered and shown on the info line
// ("#3 AI Mouse Down 10 20"), which the host logs as "info: ...". Mouse
// downs beep; tool events invalidate a box around the cursor in the front
// view; choosing the menu item toggles its text. The preference
// "AppTest"/"Starts" counts start-ups.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform.h"
#include "sdk_all.h"

namespace {

const BasicSuite* gBasic = nullptr;
const MenuSuite* gMenu = nullptr;
const ToolSuite* gTool = nullptr;
const NotifierSuite* gNotifier = nullptr;
const AnnotatorSuite* gAnnotator = nullptr;
const PreferenceSuite* gPrefs = nullptr;
const DocumentViewSuite* gViews = nullptr;   // may be missing: then nothing is invalidated
const DlgDrawerSuite* gDrawer = nullptr;     // may be missing: then nothing is drawn

ToolHandle gTools[2] = {nullptr, nullptr};
MenuItemHandle gItem = nullptr;
AnnotatorHandle gAnno = nullptr;
bool gItemOn = false;
int gCount = 0;

bool Is(const char* a, const char* b) { return gBasic->IsEqual(a, b) != 0; }

template <class T>
void Acquire(const char* name, int32_t version, const T** suite) {
    const void* s = nullptr;
    *suite = gBasic->AcquireSuite(name, version, &s) == kNoErr ? static_cast<const T*>(s) : nullptr;
}

void Report(const std::string& what) {
    if (!gTool || !gTools[0]) return;
    std::string text = "#" + std::to_string(++gCount) + " " + what;
    const int32_t vars[] = {kInfoText, kInfoEnd};
    const void* values[] = {text.c_str()};
    gTool->SetToolInfoVars(gTools[0], vars, values);
}

std::string Num(float f) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", f);
    return buf;
}

const char* ToolName(ToolHandle t) { return t == gTools[0] ? "tool1" : t == gTools[1] ? "tool2" : "tool?"; }

HostErr Startup(MessageHeader* m) {
    Acquire(kMenuSuiteName, kMenuSuiteVersion, &gMenu);
    Acquire(kToolSuiteName, kToolSuiteVersion, &gTool);
    Acquire(kNotifierSuiteName, kNotifierSuiteVersion, &gNotifier);
    Acquire(kAnnotatorSuiteName, kAnnotatorSuiteVersion, &gAnnotator);
    Acquire(kPreferenceSuiteName, kPreferenceSuiteVersion, &gPrefs);
    Acquire(kDocumentViewSuiteName, kDocumentViewSuiteVersion, &gViews);
    Acquire(kDlgDrawerSuiteName, kDlgDrawerSuiteVersion, &gDrawer);
    if (!gMenu || !gTool || !gNotifier || !gAnnotator || !gPrefs) return kErrSuiteNotFound;

    ToolData first = {"App Test Tool", "First test tool", nullptr, kToolNoGroup, kToolNoGroup};
    HostErr err = gTool->AddTool(m->plugin, first.title, &first, kToolWantsTracking, &gTools[0]);
    if (err) return err;
    int32_t number = 0;
    if ((err = gTool->GetToolNumberFromName(first.title, &number))) return err;
    ToolData second = {"App Test Tool 2", "Second test tool", nullptr, number, number};
    if ((err = gTool->AddTool(m->plugin, second.title, &second, 0, &gTools[1]))) return err;

    if ((err = gMenu->AddMenuItem(m->plugin, "AppTestItem", kToolPalettesMenuGroup, "App Test Item", 0, &gItem)))
        return err;
    NotifierHandle n = nullptr;
    if ((err = gNotifier->AddNotifier(m->plugin, "apptest", kNotifyApplicationStarted, &n))) return err;
    if ((err = gNotifier->AddNotifier(m->plugin, "apptest", kNotifyArtSelectionChanged, &n))) return err;
    if ((err = gAnnotator->AddAnnotator(m->plugin, "AppTestAnno", &gAnno))) return err;
    if ((err = gAnnotator->SetAnnotatorActive(gAnno, 0))) return err;

    int32_t starts = 0;
    gPrefs->GetIntegerPreference("AppTest", "Starts", &starts);   // stays 0 when missing
    ++starts;
    gPrefs->PutIntegerPreference("AppTest", "Starts", starts);
    Report("Startup starts=" + std::to_string(starts));
    return kNoErr;
}

// A 20-pixel box around the cursor in the front view.
void InvalidateAround(const RealPoint& p) {
    ViewHandle view = nullptr;
    IntPoint vp{};
    if (!gViews || gViews->GetNthView(0, &view) != kNoErr) return;
    if (gViews->ArtworkPointToViewPoint(view, &p, &vp) != kNoErr) vp = {0, 0};
    IntRect r = {vp.h - 10, vp.v - 10, vp.h + 10, vp.v + 10};
    gAnnotator->InvalidAnnotationRect(view, &r);
}

HostErr Tool(const char* selector, ToolMessage* t) {
    std::string where = " " + Num(t->cursor.h) + " " + Num(t->cursor.v);
    if (Is(selector, kSelSelect)) {
        gAnnotator->SetAnnotatorActive(gAnno, 1);
        Report(std::string(selector) + " " + ToolName(t->tool));
        InvalidateAround(t->cursor);
        return kNoErr;
    }
    if (Is(selector, kSelDeselect)) {
        gAnnotator->SetAnnotatorActive(gAnno, 0);
        Report(std::string(selector) + " " + ToolName(t->tool));
        return kNoErr;
    }
    if (Is(selector, kSelEditOptions)) {
        Report(std::string(selector) + " " + ToolName(t->tool));
        return kNoErr;
    }
    std::string keys;
    if (PlatformGetAsyncKeyState(kVKShift)) keys += " shift";
    if (t->event & kToolModShift) keys += " shift-bit";
    Report(std::string(selector) + where + keys);
    if (Is(selector, kSelMouseDown)) PlatformBeep(9000, 100);
    InvalidateAround(t->cursor);
    return kNoErr;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) HostErr PluginMain(const char* caller, const char* selector,
                                                                      void* message) {
    auto* m = static_cast<MessageHeader*>(message);
    gBasic = m->basic;
    if (Is(caller, kCallerInterface) && Is(selector, kSelStartup)) return Startup(m);
    if (Is(caller, kCallerInterface) && Is(selector, kSelShutdown)) return kNoErr;
    if (Is(caller, kCallerTool)) return Tool(selector, static_cast<ToolMessage*>(message));
    if (Is(caller, kCallerMenu) && Is(selector, kSelGo)) {
        Report(std::string(selector) + (static_cast<MenuMessage*>(message)->menuItem == gItem ? " item" : " ?"));
        gItemOn = !gItemOn;
        return gMenu->SetItemText(gItem, gItemOn ? "App Test Item (on)" : "App Test Item");
    }
    if (Is(caller, kCallerNotifier)) {
        Report(std::string(selector) + " " + static_cast<NotifierMessage*>(message)->type);
        return kNoErr;
    }
    if (Is(caller, kCallerAnnotation)) {
        auto* a = static_cast<AnnotatorMessage*>(message);
        Report(std::string(selector) + (a->annotator == gAnno ? " AppTestAnno" : " ?"));
        if (DrawerRef d = gDrawer ? gDrawer->Create(a->port, &a->updateRect, 0) : nullptr) {
            IntRect local = {0, 0, a->updateRect.right - a->updateRect.left, a->updateRect.bottom - a->updateRect.top};
            gDrawer->SetRGBColor(d, 255, 0, 0);
            gDrawer->FillRect(d, &local);
            gDrawer->Destroy(d);
        }
        return kNoErr;
    }
    return kNoErr;
}
