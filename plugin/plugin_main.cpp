// The plug-in's one exported symbol. The host calls it with a caller, a
// selector and a message; everything the plug-in does happens inside it.
#include "plugin/dispatch.h"

extern "C" __attribute__((visibility("default"))) HostErr PluginMain(const char* caller, const char* selector,
                                                                    void* message) {
    // No exception may cross into the host.
    try {
        return qzv::DispatchMessage(caller, selector, static_cast<MessageHeader*>(message));
    } catch (...) {
        return kErrCantHappen;
    }
}
