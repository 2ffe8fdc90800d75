#include "frame/session.h"

#include <cstdio>
#include <map>
#include <sys/stat.h>

#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "util/files.h"
#include "util/json_writer.h"
#include "util/utf8.h"

#ifndef DRAWHOST_DEFAULT_PLUGINS
#define DRAWHOST_DEFAULT_PLUGINS "plugins"
#endif

namespace drawhost {

namespace {

struct OptionEntry {
    std::string help;
    std::function<bool(const std::string&, std::string*)> apply;
};

struct OutputEntry {
    std::string flag;
    std::string path;   // given on the command line; empty when not
    std::function<bool(std::string*, std::string*)> produce;
};

struct KeptEntry {
    std::function<SessionFile()> locate;
    std::function<bool(FileBatch&, std::string*)> write;
};

// Registered at static initialisation (the outputs in registration order).
std::map<std::string, OptionEntry>& Options() {
    static std::map<std::string, OptionEntry> options;
    return options;
}
std::vector<std::function<bool(std::string*)>>& Finishers() {
    static std::vector<std::function<bool(std::string*)>> finishers;
    return finishers;
}
std::vector<OutputEntry>& Outputs() {
    static std::vector<OutputEntry> outputs;
    return outputs;
}
std::vector<KeptEntry>& KeptFiles() {
    static std::vector<KeptEntry> kept;
    return kept;
}

bool gStarted = false;
std::string gLogPath;
// The dump as it stood when the plug-ins were shut down: their windows are
// part of it and close at shut-down. Empty until then.
std::string gDumpAtQuit;
bool gDumpWanted = false;

ResetRegistrar resetSession([] {
    gStarted = false;
    gLogPath.clear();
    gDumpAtQuit.clear();
    gDumpWanted = false;
    for (OutputEntry& o : Outputs()) o.path.clear();
    FilesClearReserved();
});

std::string DumpNow() {
    JsonWriter json;
    HostWriteDump(json);
    return json.Text() + "\n";
}

struct DumpRegistration {
    DumpRegistration() {
        SessionAddOutputFile("--dump", [](std::string* content, std::string*) {
            *content = gDumpAtQuit.empty() ? DumpNow() : gDumpAtQuit;
            return true;
        });
    }
} dumpRegistration;

std::vector<std::string> ReadLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            if (start < content.size()) lines.push_back(content.substr(start));
            break;
        }
        lines.push_back(content.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

void Usage(const std::string& command) {
    std::fprintf(stderr, "usage: drawhost %s [--plugins DIR] [--log FILE]", command.c_str());
    for (auto& [flag, entry] : Options()) std::fprintf(stderr, " [%s %s]", flag.c_str(), entry.help.c_str());
    std::fprintf(stderr, "\n");
}

void Say(const std::string& message) { std::fprintf(stderr, "drawhost: %s\n", ShowBytes(message).c_str()); }

// A file the session names: the script, an output (the log among them), a
// kept file (the preference file).
enum class FileUse { Script, Output, Kept };
struct NamedFile {
    std::string name;   // "the script", "--svg", "--prefs", "the preference file"
    std::string path;
    FileUse use;
    FileTarget target;
};

std::string Role(const NamedFile& f) { return f.name.rfind("--", 0) == 0 ? "the " + f.name + " file" : f.name; }

// Every file of the session, checked before anything runs. 0 when they may
// be used, else the exit code after the message.
int CheckFiles(const std::string& scriptPath, std::vector<NamedFile>* files) {
    std::vector<NamedFile> all;
    if (!scriptPath.empty()) all.push_back({"the script", scriptPath, FileUse::Script, {}});
    for (const OutputEntry& o : Outputs())
        if (!o.path.empty()) all.push_back({o.flag, o.path, FileUse::Output, {}});
    if (!gLogPath.empty()) all.push_back({"--log", gLogPath, FileUse::Output, {}});
    for (const KeptEntry& k : KeptFiles()) {
        SessionFile f = k.locate();
        if (!f.path.empty()) all.push_back({f.name, f.path, FileUse::Kept, {}});
    }
    for (NamedFile& f : all) {
        std::string why;
        bool resolved = ResolveFile(f.path, &f.target, &why);
        // Outputs need their folder now; the script's reading and the
        // preference file's first saving report their own faults.
        if (!resolved && f.use == FileUse::Output) {
            Say(f.name + ": cannot write " + why);
            return 1;
        }
        if (!resolved) f.target = FileTarget{};
        if (f.use != FileUse::Script && f.target.exists && !S_ISREG(f.target.mode)) {
            Say(f.name + ": " + f.path + " is " + FileTypeName(f.target.mode) +
                ", not a regular file; drawhost replaces only regular files");
            return 2;
        }
    }
    for (size_t i = 0; i < all.size(); ++i) {
        for (size_t k = i + 1; k < all.size(); ++k) {
            if (all[i].target.path.empty() || all[k].target.path.empty()) continue;
            if (SameFile(all[i].target, all[k].target)) {
                Say(all[i].name + " and " + all[k].name + " name the same file (" + all[k].target.path +
                    "); nothing was run or written");
                return 2;
            }
        }
    }
    *files = std::move(all);
    return 0;
}

// Reserves the session's files against other writes and clears what a
// killed session left half-written beside them.
void OpenFiles(const std::vector<NamedFile>& files) {
    for (const NamedFile& f : files) {
        if (f.target.path.empty()) continue;
        FilesReserve(f.target, Role(f));
        if (f.use == FileUse::Script) continue;
        for (const std::string& stale : RemoveStaleTemporaries(f.target))
            HostLog("drawhost: removed " + stale + ", left by a session that was stopped while writing");
    }
}

// The outputs and the kept files of a successful run, written together.
int WriteOutputs() {
    int exitCode = 0;
    FileBatch batch;
    std::string error;
    for (const OutputEntry& o : Outputs()) {
        if (o.path.empty()) continue;
        std::string content;
        if (!o.produce(&content, &error)) {
            Say(o.flag + ": " + error + "; no output was written");
            return 1;
        }
        batch.Add(o.path, std::move(content));
    }
    // A kept file that must not be written (it could not be read) is
    // reported; the outputs are still the user's work and are written.
    for (const KeptEntry& k : KeptFiles()) {
        if (!k.write(batch, &error)) {
            Say(error);
            exitCode = 1;
        }
    }
    if (!batch.Commit(&error)) {
        Say(error + "; no output was written");
        HostLog("drawhost: " + error + "; no output was written");
        return 1;
    }
    return exitCode;
}

}  // namespace

void SessionAddOption(const char* flag, const char* help,
                      std::function<bool(const std::string&, std::string*)> apply) {
    Options()[flag] = {help, std::move(apply)};
}

void SessionAddFinisher(std::function<bool(std::string*)> finish) { Finishers().push_back(std::move(finish)); }

void SessionAddOutputFile(const char* flag, std::function<bool(std::string*, std::string*)> produce) {
    size_t index = Outputs().size();
    Outputs().push_back({flag, std::string(), std::move(produce)});
    SessionAddOption(flag, "FILE", [index](const std::string& value, std::string*) {
        Outputs()[index].path = value;
        return true;
    });
}

void SessionAddKeptFile(std::function<SessionFile()> locate, std::function<bool(FileBatch&, std::string*)> write) {
    KeptFiles().push_back({std::move(locate), std::move(write)});
}

bool SessionStarted() { return gStarted; }

void SessionStart() {
    Host& h = TheHost();
    if (gStarted) throw ScriptError("the plug-ins are already started");
    gStarted = true;
    HostLoadPlugins(h.pluginsDir.empty() ? DRAWHOST_DEFAULT_PLUGINS : h.pluginsDir);
    HostStartPlugins();
}

void SessionQuit() {
    if (!gStarted) return;
    if (gDumpWanted) gDumpAtQuit = DumpNow();
    HostShutdownPlugins();
    gStarted = false;
}

int SessionBegin(const std::string& command, const std::string& scriptPath, const std::vector<std::string>& options,
                 std::string* scriptContent) {
    Host& h = TheHost();
    for (size_t i = 0; i < options.size(); ++i) {
        const std::string& flag = options[i];
        if (i + 1 >= options.size()) {
            Say(flag + " needs a value");
            return 2;
        }
        const std::string& value = options[++i];
        std::string error;
        auto option = Options().find(flag);
        if (flag != "--plugins" && flag != "--log" && option == Options().end()) {
            Say("unknown option " + flag);
            Usage(command);
            return 2;
        }
        if (value.empty()) {
            Say(flag + " needs a " + (flag == "--plugins" ? "folder" : "file") + " name, not an empty one");
            return 2;
        }
        if (flag == "--plugins") {
            h.pluginsDir = value;
        } else if (flag == "--log") {
            gLogPath = value;
        } else if (!option->second.apply(value, &error)) {
            Say(flag + ": " + error);
            return 2;
        }
    }
    for (const OutputEntry& o : Outputs())
        if (o.flag == "--dump") gDumpWanted = !o.path.empty();

    std::vector<NamedFile> files;
    if (int refused = CheckFiles(scriptPath, &files)) return refused;
    if (!scriptPath.empty()) {
        std::string error;
        if (!ReadInputFile(scriptPath, scriptContent, &error)) {
            Say(error);
            return 2;
        }
    }
    h.echoLog = gLogPath.empty();
    OpenFiles(files);
    return 0;
}

int SessionEnd(const std::string& failure) {
    Host& h = TheHost();
    SessionQuit();
    std::string error;
    int exitCode = 0;
    if (!failure.empty()) {
        std::fprintf(stderr, "%s\n", failure.c_str());
        HostLog("error: " + failure);
        exitCode = 2;
    }
    for (auto& finish : Finishers()) {
        if (exitCode == 0 && !finish(&error)) {
            Say(error);
            HostLog("error: " + error);
            exitCode = 2;
        }
    }
    if (exitCode == 0) exitCode = WriteOutputs();
    else HostLog("drawhost: the run failed: no output and no preference was written");
    if (!gLogPath.empty()) {
        std::string text;
        for (const std::string& line : h.log) text += line + "\n";
        FileBatch log;
        log.Add(gLogPath, text);
        if (!log.Commit(&error)) {
            Say(error);
            if (exitCode == 0) exitCode = 1;
        }
    }
    // Everything is written: give back what the subsystems hold (documents,
    // dialogs, cached images, the preference file's lock) before the process ends.
    HostReset();
    return exitCode;
}

std::vector<std::string> SessionSplitLines(const std::string& content) { return ReadLines(content); }

int SessionRun(const std::vector<std::string>& args) {
    if (args.size() < 2 || args[0] != "run") {
        Usage("run SCRIPT");
        return 2;
    }
    std::string scriptPath = args[1], content;
    if (int refused = SessionBegin("run SCRIPT", scriptPath, {args.begin() + 2, args.end()}, &content)) return refused;

    Host& h = TheHost();
    ScriptRunner runner(scriptPath, ReadLines(content));
    h.modalPump = [&runner] { return runner.RunNextLine(); };
    bool ok = runner.RunAll();
    h.modalPump = nullptr;
    return SessionEnd(ok ? std::string() : runner.Error());
}

}  // namespace drawhost
