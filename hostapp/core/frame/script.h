// The session script: one command a line, '#' starts a comment, double
// quotes group words with blanks ("\"" and "\\" escape inside quotes).
// Subsystems register their commands with DRAWHOST_COMMAND; the runner
// executes lines in order and stops at the first error with file:line.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace drawhost {

// Thrown by a command for a line it cannot carry out.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class ScriptArgs {
public:
    ScriptArgs(std::string command, std::vector<std::string> words)
        : command_(std::move(command)), words_(std::move(words)) {}

    const std::string& Command() const { return command_; }
    size_t Count() const { return words_.size(); }
    const std::string& Str(size_t i) const;          // throws when missing
    double Number(size_t i) const;                   // finite, or throws
    float Coordinate(size_t i) const;                // finite and within ±1e7 points, or throws
    int Int(size_t i) const;                         // a whole number, or throws
    bool OnOff(size_t i) const;                      // "on"/"off"
    // Throws unless the count lies within [min, max].
    void Expect(size_t min, size_t max) const;
    void Expect(size_t n) const { Expect(n, n); }

private:
    std::string command_;
    std::vector<std::string> words_;
};

using ScriptCommand = std::function<void(const ScriptArgs&)>;

void ScriptAddCommand(const char* name, const char* usage, ScriptCommand command);

struct CommandRegistrar {
    CommandRegistrar(const char* name, const char* usage, ScriptCommand command) {
        ScriptAddCommand(name, usage, std::move(command));
    }
};

// Splits a line into words; false with *error for an unterminated quote.
bool ScriptSplit(const std::string& line, std::vector<std::string>* words, std::string* error);

// Runs a script. Lines run one at a time through ScriptRunNextLine, so a
// modal dialog can pull the following lines while it is open.
class ScriptRunner {
public:
    ScriptRunner(std::string fileName, std::vector<std::string> lines);
    // Runs every line. False with Error() set at the first failing line.
    bool RunAll();
    // Runs the next non-empty line; false at the end or on error.
    bool RunNextLine();
    // The next line to run is line `index` (from 0): a caller that runs
    // some lines itself hands the others to the runner one at a time.
    void Seek(size_t index) { next_ = index; }
    bool Failed() const { return failed_; }
    bool AtEnd() const;
    const std::string& Error() const { return error_; }
    void Fail(const std::string& message);   // records file:line: message for the current line

private:
    std::string file_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    size_t current_ = 0;
    bool failed_ = false;
    std::string error_;
};

// The commands known, with their usage, in name order (for help texts).
std::vector<std::pair<std::string, std::string>> ScriptCommandList();

}  // namespace drawhost
