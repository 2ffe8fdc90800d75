// A session of the host: its command-line options, the files it reads and
// writes, and what it writes when it ends. Subsystems add their own options
// (--prefs, --svg, --png...) and the outputs they write at the end.
//
// Before the script runs, the session refuses at once (nothing written):
// an empty file name, the script, the preference file and the outputs
// naming one file, any of them that exists but is not a regular file, and
// an output whose folder does not exist. At the end, the outputs and the
// preference file are written together, whole or not at all, and only when
// the run succeeded; the log is always written.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace drawhost {

class FileBatch;

// An option "--flag VALUE"; `apply` receives the value while the command
// line is read (before the script runs). False with *error refuses it.
void SessionAddOption(const char* flag, const char* help,
                      std::function<bool(const std::string& value, std::string* error)> apply);

// A check made once the script has run, before anything is written: false
// with *error fails the session, and nothing but the log is written.
void SessionAddFinisher(std::function<bool(std::string* error)> finish);

// An output file named by "--flag FILE": when the option was given and the
// run succeeded, `produce` gives the file's whole content, which is
// written with the other outputs.
void SessionAddOutputFile(const char* flag, std::function<bool(std::string* content, std::string* error)> produce);

// A file the session reads and rewrites besides the outputs (the preference
// file). `locate` answers its name in messages ("--prefs") and its path, or
// an empty path when there is none; `write` adds it to the batch written at
// the end of a successful run (false with *error when it must not be).
struct SessionFile {
    std::string name;
    std::string path;
};
void SessionAddKeptFile(std::function<SessionFile()> locate,
                        std::function<bool(FileBatch& batch, std::string* error)> write);

// The beginning of a session under `drawhost COMMAND`: the options (flag,
// value, flag, value...) applied, the files checked and reserved, the
// script (when `scriptPath` is not empty) read whole into *scriptContent.
// 0 when the session may run, else the exit code after the message.
int SessionBegin(const std::string& command, const std::string& scriptPath, const std::vector<std::string>& options,
                 std::string* scriptContent);
// The end of a session begun with SessionBegin: the plug-ins shut down, the
// checks made, the outputs and the preference file written when `failure`
// is empty, the log written; then a fresh host. Returns the exit code.
int SessionEnd(const std::string& failure);
// A script's text as lines.
std::vector<std::string> SessionSplitLines(const std::string& content);

// Runs `drawhost run SCRIPT [options]`; returns the process exit code:
// 0 success; 2 a bad option, a refused arrangement of files, a bad script
// line or a failed check; 1 an output that cannot be written.
int SessionRun(const std::vector<std::string>& args);

// Starts the plug-ins of the plug-ins folder (the "start" command).
void SessionStart();
// Shuts every plug-in down (the "quit" command, and the end of a script).
void SessionQuit();
bool SessionStarted();

}  // namespace drawhost
