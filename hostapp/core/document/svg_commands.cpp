// Opening SVG files from a session:
//   open FILE.svg          (script command) replaces the document by the file
//   --open FILE.svg        (option) the same before the script runs
// A file that cannot be read stops the run with its message and leaves the
// document as it was; warnings about parts left out go to the log.
#include <cstdio>

#include "document/svg_reader.h"
#include "frame/host.h"
#include "frame/script.h"
#include "frame/session.h"

namespace drawhost {

namespace {

void LogOpened(const std::string& path, const SvgOpenReport& report) {
    for (const std::string& warning : report.warnings) HostLog("warning: " + warning);
    HostLog("opened " + path + ": " + std::to_string(report.layers) + " layer(s), " +
            std::to_string(report.groups) + " group(s), " + std::to_string(report.paths) + " path(s)");
}

CommandRegistrar open("open", "open FILE.svg", [](const ScriptArgs& a) {
    a.Expect(1);
    HostLog("> open " + a.Str(0));
    SvgOpenReport report;
    std::string error;
    if (!DocumentOpenSvg(a.Str(0), &report, &error)) throw ScriptError("'open': " + error);
    LogOpened(a.Str(0), report);
});

struct Registration {
    Registration() {
        SessionAddOption("--open", "FILE.svg", [](const std::string& path, std::string* error) {
            SvgOpenReport report;
            if (!DocumentOpenSvg(path, &report, error)) return false;
            LogOpened(path, report);
            // The log is not yet shown while the command line is read:
            // warnings also go where the user sees them at once.
            for (const std::string& warning : report.warnings) std::fprintf(stderr, "drawhost: warning: %s\n", warning.c_str());
            return true;
        });
    }
} registration;

}  // namespace

}  // namespace drawhost
