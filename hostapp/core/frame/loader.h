// Finding, loading, starting, unloading and stopping plug-in bundles.
//
// A bundle is a folder of the plug-ins folder holding:
//   PiPL.rsrc   the property list (read before any code is loaded)
//   module.so   the plug-in's code
//   resources/  string lists, menus, icons, cursors, pictures
#pragma once
#include <functional>
#include <string>

#include "frame/host.h"

namespace drawhost {

// Loads every bundle of the folder in name order. A bundle whose property
// list is missing or malformed, whose module fails to load or lacks the named
// entry point is reported in one log line and skipped. Returns how many loaded.
int HostLoadPlugins(const std::string& folder);

// Sends "Startup" to every loaded plug-in, then runs the after-start hooks
// (the application-started notification). A plug-in whose start-up fails is
// reported and not used further.
void HostStartPlugins();

// "Unload" then closes the module; "Reload" reopens it and sends "Reload".
// A plug-in that a subsystem still needs loaded (it has open windows whose
// procedures live in its code) is not unloaded: kErrCantHappen, logged.
HostErr HostUnloadPlugin(LoadedPlugin& plugin);
HostErr HostReloadPlugin(LoadedPlugin& plugin);

// Sends "Shutdown" to every started plug-in, closes the modules and reports
// blocks still allocated.
void HostShutdownPlugins();

// Sends "About" to a plug-in.
HostErr HostSendAbout(LoadedPlugin& plugin);

// Guards asked before a plug-in is unloaded: each answers why it must stay
// loaded, or an empty text.
void HostAddUnloadGuard(std::function<std::string(const LoadedPlugin&)> guard);

// Hooks run by HostStartPlugins once every plug-in has started.
void HostAddAfterStartHook(std::function<void()> hook);
// Hooks run by HostStartPlugins before the first plug-in starts (what the
// plug-ins read at start-up, such as the preference store, is ready by then).
void HostAddBeforeStartHook(std::function<void()> hook);

// A plug-in by its property-list name or bundle folder name; null if none.
LoadedPlugin* HostFindPlugin(const std::string& name);

}  // namespace drawhost
