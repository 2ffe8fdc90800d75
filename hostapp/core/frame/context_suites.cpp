// Resource access and the plug-in context: which plug-in a call comes from,
// and where its bundle keeps its resources.
#include <cstring>

#include "frame/host.h"
#include "frame/resources.h"

namespace drawhost {

namespace {

HostErr GetPluginResourceFolder(PluginRef plugin, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return kErrBadParameter;
    buffer[0] = 0;
    LoadedPlugin* p = HostPluginOf(plugin);
    if (!p) return kErrBadHandle;
    std::string folder = HostResourcePath(*p, "");
    if (folder.size() >= static_cast<size_t>(size)) return kErrBadParameter;   // a cut path would name another folder
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return kNoErr;
}

HostErr GetPluginRef(PluginRef* plugin) {
    if (!plugin) return kErrBadParameter;
    LoadedPlugin* current = TheHost().current;
    *plugin = current ? RefOf(current) : nullptr;
    return current ? kNoErr : kErrNotFound;
}

const AccessSuite kAccess = {GetPluginResourceFolder};
const ContextSuite kContext = {GetPluginRef};
SuiteRegistrar accessSuite(kAccessSuiteName, kAccessSuiteVersion, &kAccess);
SuiteRegistrar contextSuite(kContextSuiteName, kContextSuiteVersion, &kContext);

}  // namespace

}  // namespace drawhost
