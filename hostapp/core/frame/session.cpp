#include "frame/session.h"

#include <cstdio>
#include <map>
#include <memory>

#include "frame/host.h"
#include "frame/loader.h"
#include "frame/script.h"
#include "util/files.h"
#include "util/json_writer.h"

#ifndef DRAWHOST_DEFAULT_PLUGINS
#define DRAWHOST_DEFAULT_PLUGINS "plugins"
#endif

namespace drawhost {

namespace {

struct OptionEntry {
    std::string help;
    std::function<bool(const std::string&, std::string*)> apply;
};

std::map<std::string, OptionEntry>& Options() {
    static std::map<std::string, OptionEntry> options;
    return options;
}
std::vector<std::function<bool(std::string*)>>& Finishers() {
    static std::vector<std::function<bool(std::string*)>> finishers;
    return finishers;
}

bool gStarted = false;
std::string gLogPath;
std::string gDumpPath;
// The dump as it stood when the plug-ins were shut down: their windows are
// part of it and close at shut-down. Empty until then.
std::string gDumpAtQuit;

ResetRegistrar resetSession([] {
    gStarted = false;
    gLogPath.clear();
    gDumpPath.clear();
    gDumpAtQuit.clear();
});

std::string DumpNow() {
    JsonWriter json;
    HostWriteDump(json);
    return json.Text() + "\n";
}

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

void Usage() {
    std::fprintf(stderr, "usage: drawhost run SCRIPT [--plugins DIR] [--log FILE] [--dump FILE]");
    for (auto& [flag, entry] : Options()) std::fprintf(stderr, " [%s %s]", flag.c_str(), entry.help.c_str());
    std::fprintf(stderr, "\n");
}

}  // namespace

void SessionAddOption(const char* flag, const char* help,
                      std::function<bool(const std::string&, std::string*)> apply) {
    Options()[flag] = {help, std::move(apply)};
}

void SessionAddFinisher(std::function<bool(std::string*)> finish) { Finishers().push_back(std::move(finish)); }

void SessionAddOutputFile(const char* flag, std::function<bool(const std::string&, std::string*)> write) {
    // The path lives as long as the process; a reset forgets it.
    auto path = std::make_shared<std::string>();
    HostAddResetHook([path] { path->clear(); });
    SessionAddOption(flag, "FILE", [path](const std::string& value, std::string* error) {
        if (value.empty()) {
            *error = "needs a file name";
            return false;
        }
        *path = value;
        return true;
    });
    SessionAddFinisher([path, write](std::string* error) { return path->empty() || write(*path, error); });
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
    if (!gDumpPath.empty()) gDumpAtQuit = DumpNow();
    HostShutdownPlugins();
    gStarted = false;
}

int SessionRun(const std::vector<std::string>& args) {
    if (args.size() < 2 || args[0] != "run") {
        Usage();
        return 2;
    }
    Host& h = TheHost();
    std::string scriptPath = args[1];
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "drawhost: %s needs a value\n", flag.c_str());
            return 2;
        }
        const std::string& value = args[++i];
        std::string error;
        if (flag == "--plugins") {
            h.pluginsDir = value;
        } else if (flag == "--log") {
            gLogPath = value;
        } else if (flag == "--dump") {
            gDumpPath = value;
        } else if (auto it = Options().find(flag); it != Options().end()) {
            if (!it->second.apply(value, &error)) {
                std::fprintf(stderr, "drawhost: %s: %s\n", flag.c_str(), error.c_str());
                return 2;
            }
        } else {
            std::fprintf(stderr, "drawhost: unknown option %s\n", flag.c_str());
            Usage();
            return 2;
        }
    }
    std::string content, error;
    if (!ReadWholeFile(scriptPath, &content, &error)) {
        std::fprintf(stderr, "drawhost: %s\n", error.c_str());
        return 2;
    }
    h.echoLog = gLogPath.empty();

    ScriptRunner runner(scriptPath, ReadLines(content));
    h.modalPump = [&runner] { return runner.RunNextLine(); };
    bool ok = runner.RunAll();
    h.modalPump = nullptr;
    SessionQuit();

    int exitCode = 0;
    if (!ok) {
        std::fprintf(stderr, "%s\n", runner.Error().c_str());
        HostLog("error: " + runner.Error());
        exitCode = 2;
    } else {
        if (!gDumpPath.empty()) {
            std::string dump = gDumpAtQuit.empty() ? DumpNow() : gDumpAtQuit;
            if (!WriteFileAtomically(gDumpPath, dump, &error)) {
                std::fprintf(stderr, "drawhost: %s\n", error.c_str());
                exitCode = 1;
            }
        }
        for (auto& finish : Finishers()) {
            if (!finish(&error)) {
                std::fprintf(stderr, "drawhost: %s\n", error.c_str());
                exitCode = 1;
            }
        }
    }
    if (!gLogPath.empty()) {
        std::string text;
        for (const std::string& line : h.log) text += line + "\n";
        if (!WriteFileAtomically(gLogPath, text, &error)) {
            std::fprintf(stderr, "drawhost: %s\n", error.c_str());
            if (exitCode == 0) exitCode = 1;
        }
    }
    // Everything is written: give back what the subsystems hold (documents,
    // dialogs, cached images) before the process ends.
    HostReset();
    return exitCode;
}

}  // namespace drawhost
