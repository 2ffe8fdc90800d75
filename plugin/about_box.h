// The about box: a modal dialog that names the plug-in and its version.
#pragma once
#include "sdk_all.h"

namespace qzv {

inline constexpr const char* kAboutDialogName = "About Dialog";

// Runs the about box; returns when the user closes it.
HostErr OpenAboutBox(PluginRef plugin);

}  // namespace qzv
