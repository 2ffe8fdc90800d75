// A session of the host: its command-line options and what it writes when
// it ends. Subsystems add their own options (--prefs, --svg, --png...) and
// the outputs they write at the end.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace drawhost {

// An option "--flag VALUE"; `apply` receives the value while the command
// line is read (before the script runs). False with *error refuses it.
void SessionAddOption(const char* flag, const char* help,
                      std::function<bool(const std::string& value, std::string* error)> apply);

// Work done once the script has run: `finish` writes its output (whole or
// not at all). False with *error when it could not.
void SessionAddFinisher(std::function<bool(std::string* error)> finish);

// An output file named by "--flag FILE": `write` runs at the end of a
// successful session when the option was given.
void SessionAddOutputFile(const char* flag, std::function<bool(const std::string& path, std::string* error)> write);

// Runs `drawhost run SCRIPT [options]`; returns the process exit code
// (0 success, 2 a bad script line or bad option, 1 an output that could not be written).
int SessionRun(const std::vector<std::string>& args);

// Starts the plug-ins of the plug-ins folder (the "start" command).
void SessionStart();
// Shuts every plug-in down (the "quit" command, and the end of a script).
void SessionQuit();
bool SessionStarted();

}  // namespace drawhost
