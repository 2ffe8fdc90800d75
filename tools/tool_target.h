// The layer and the fresh group that receive the art of a gesture.
#pragma once
#include "sdk_all.h"

namespace qzv {

// The dedicated layer's title. Its fourth character, the bullet, is not
// compared when an existing layer is looked for.
inline constexpr const char* kDedicatedLayerTitle = "QZV•Vorn";

// True when a layer title begins with "QZV", any one character, "Vorn".
bool IsDedicatedLayerTitle(const char* title);

enum class TargetOutcome {
    kReady,     // targetGroup is a new, empty group named after the mode
    kLocked,    // the receiving layer is locked: the alert was shown, nothing made
};

// Picks the receiving layer ("QZV•Vorn" with "Calque" on, found or made
// above the current layer; else the current layer), disposes of the
// previous target group when it was left empty, and creates the new target
// group on top of the layer, named `name`. Host errors are returned.
HostErr PrepareTarget(PluginRef plugin, const char* name, TargetOutcome* outcome);

}  // namespace qzv
