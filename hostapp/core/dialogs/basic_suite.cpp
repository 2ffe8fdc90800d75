// The dialog manager's basic services: string lists, alerts, number/text
// conversion, the screen, and the cursor.
#include <string>

#include "dialogs/basic_services.h"
#include "dialogs/cursors.h"
#include "util/copy_out.h"
#include "dialogs/number_text.h"
#include "frame/host.h"
#include "frame/resources.h"

namespace drawhost {

namespace {

IntRect gScreen = {0, 0, 1920, 1080};
int32_t gCursor = 0;

ResetRegistrar reset([] {
    gScreen = {0, 0, 1920, 1080};
    gCursor = 0;
});

HostErr GetIndexString(PluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return kErrBadParameter;
    buffer[0] = 0;
    LoadedPlugin* p = HostPluginOf(plugin);
    if (!p) return kErrBadHandle;
    std::string text;
    if (!HostGetIndexString(*p, listId, index, &text)) return kErrNotFound;
    CopyTextOut(text, buffer, size);
    return kNoErr;
}

void Alert(bool error, const char* text) {
    std::string t = text ? text : "";
    HostLog(std::string(error ? "alert(error): " : "alert(message): ") + t);
    if (auto& show = TheHost().frontEnd.alert) show(error, t);
}
void ErrorAlert(const char* text) { Alert(true, text); }
void MessageAlert(const char* text) { Alert(false, text); }

void ValueToText(float value, char* buffer, int32_t size, int32_t units, int32_t precision) {
    CopyTextOut(DlgValueToText(value, units, precision), buffer, size);
}

HostBool TextToValue(const char* text, float* value, int32_t units) {
    if (!text || !value) return 0;
    return DlgTextToValue(text, units, value) ? 1 : 0;
}

void GetScreenDimensions(IntRect* usable) {
    if (usable) *usable = gScreen;
}

HostErr SetPlatformCursor(PluginRef plugin, int32_t cursorId) {
    if (!HostPluginOf(plugin)) return kErrBadHandle;
    bool changed = cursorId != gCursor;
    if (changed) HostLog(DlgCursorLogLine(plugin, cursorId));
    gCursor = cursorId;
    if (auto& show = TheHost().frontEnd.cursor; changed && show) show(plugin, cursorId);
    return kNoErr;
}

const DlgBasicSuite kSuite = {GetIndexString, ErrorAlert,          MessageAlert,     ValueToText,
                              TextToValue,    GetScreenDimensions, SetPlatformCursor};
SuiteRegistrar registrar(kDlgBasicSuiteName, kDlgBasicSuiteVersion, &kSuite);

}  // namespace

void DlgSetScreen(int32_t width, int32_t height) { gScreen = {0, 0, width, height}; }
IntRect DlgScreen() { return gScreen; }
int32_t DlgCurrentCursor() { return gCursor; }

}  // namespace drawhost
