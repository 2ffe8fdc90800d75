#include "host/host_text.h"

#include "host/suites.h"

namespace qzv {

HostErr HostIndexString(PluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t size) {
    if (buffer && size > 0) buffer[0] = 0;
    if (!sDlgBasic) return kErrSuiteNotFound;
    return sDlgBasic->GetIndexString(plugin, listId, index, buffer, size);
}

void HostErrorAlert(const char* text) {
    if (sDlgBasic) sDlgBasic->ErrorAlert(text);
}

void HostMessageAlert(const char* text) {
    if (sDlgBasic) sDlgBasic->MessageAlert(text);
}

}  // namespace qzv
