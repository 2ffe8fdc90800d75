// Texts the plug-in shows through the host: string-list lookups and alerts.
#pragma once
#include "sdk_all.h"

namespace qzv {

// String `index` of the plug-in's list `listId` into `buffer` (always
// terminated; empty on failure). The host's status is returned unchanged.
HostErr HostIndexString(PluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t size);

// The two alert kinds: a tool's error, and a message.
void HostErrorAlert(const char* text);
void HostMessageAlert(const char* text);

}  // namespace qzv
