// Start-up, shut-down, and parking the state across unload and reload.
#pragma once
#include "sdk_all.h"

namespace qzv {

HostErr PluginStartup(MessageHeader* message);
HostErr PluginShutdown(MessageHeader* message);
HostErr PluginUnload(MessageHeader* message);
HostErr PluginReload(MessageHeader* message);

}  // namespace qzv
