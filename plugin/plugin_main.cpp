// The plug-in's one exported symbol. The host calls it with a caller, a
// selector and a message; everything the plug-in does happens inside it.
#include "plugin/dispatch.h"

// On Windows the module's .def file makes PluginMain its one export, under
// its plain name; elsewhere every other symbol is hidden.
#if defined(_WIN32)
#define QZV_ENTRY_POINT
#else
#define QZV_ENTRY_POINT __attribute__((visibility("default")))
#endif

extern "C" QZV_ENTRY_POINT HostErr PluginMain(const char* caller, const char* selector, void* message) {
    // No exception may cross into the host.
    try {
        return qzv::DispatchMessage(caller, selector, static_cast<MessageHeader*>(message));
    } catch (...) {
        return kErrCantHappen;
    }
}
