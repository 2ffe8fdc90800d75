#include "frame/script.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>

#include "frame/host.h"
#include "frame/input_rules.h"
#include "util/utf8.h"

namespace drawhost {

namespace {

struct CommandEntry {
    std::string usage;
    ScriptCommand run;
};

std::map<std::string, CommandEntry>& Commands() {
    static std::map<std::string, CommandEntry> commands;
    return commands;
}

}  // namespace

void ScriptAddCommand(const char* name, const char* usage, ScriptCommand command) {
    Commands()[name] = {usage, std::move(command)};
}

std::vector<std::pair<std::string, std::string>> ScriptCommandList() {
    std::vector<std::pair<std::string, std::string>> out;
    for (auto& [name, entry] : Commands()) out.emplace_back(name, entry.usage);
    return out;
}

const std::string& ScriptArgs::Str(size_t i) const {
    if (i >= words_.size()) throw ScriptError("'" + command_ + "' needs more arguments");
    return words_[i];
}

double ScriptArgs::Number(size_t i) const {
    const std::string& w = Str(i);
    double v = 0;
    const char* begin = w.data();
    if (!w.empty() && w[0] == '+') ++begin;
    auto res = std::from_chars(begin, w.data() + w.size(), v);
    if (res.ec == std::errc::result_out_of_range && res.ptr == w.data() + w.size()) {
        // A number, but not one a double holds: say which way it overflows.
        bool tiny = std::fabs(std::strtod(w.c_str(), nullptr)) < 1.0;
        throw ScriptError("'" + w + "' is " +
                          (tiny ? "too close to zero to be represented (write 0)" : "too large to be represented"));
    }
    if (res.ec != std::errc() || res.ptr != w.data() + w.size())
        throw ScriptError("'" + w + "' is not a number");
    if (!std::isfinite(v)) throw ScriptError("'" + w + "' is not a finite number");
    return v;
}

float ScriptArgs::Coordinate(size_t i) const {
    double v = Number(i);
    if (std::fabs(v) > 1e7) throw ScriptError("coordinate " + Str(i) + " is out of range (at most 1e7 points)");
    return static_cast<float>(v);
}

int ScriptArgs::Int(size_t i) const {
    const std::string& w = Str(i);
    long long v = 0;
    auto res = std::from_chars(w.data(), w.data() + w.size(), v);
    if (res.ptr != w.data() + w.size() || (res.ec != std::errc() && res.ec != std::errc::result_out_of_range))
        throw ScriptError("'" + w + "' is not a whole number");
    if (res.ec != std::errc() || v < INT32_MIN || v > INT32_MAX)
        throw ScriptError("'" + w + "' is out of range (a whole number from -2147483648 to 2147483647)");
    return static_cast<int>(v);
}

bool ScriptArgs::OnOff(size_t i) const {
    const std::string& w = Str(i);
    if (w == "on") return true;
    if (w == "off") return false;
    throw ScriptError("expected on or off, not '" + w + "'");
}

void ScriptArgs::Expect(size_t min, size_t max) const {
    if (words_.size() < min || words_.size() > max) {
        auto it = Commands().find(command_);
        std::string usage = it == Commands().end() ? command_ : it->second.usage;
        throw ScriptError("usage: " + usage);
    }
}

bool ScriptSplit(const std::string& line, std::vector<std::string>* words, std::string* error) {
    words->clear();
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string word;
        if (c == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char q = line[i++];
                if (q == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    word += line[i++];
                } else if (q == '"') {
                    closed = true;
                    break;
                } else {
                    word += q;
                }
            }
            if (!closed) {
                *error = "unterminated quote";
                return false;
            }
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

ScriptRunner::ScriptRunner(std::string fileName, std::vector<std::string> lines)
    : file_(std::move(fileName)), lines_(std::move(lines)) {
    // Editors that save "UTF-8 with BOM" put one before the first command.
    static const char kByteOrderMark[] = "\xEF\xBB\xBF";
    if (!lines_.empty() && lines_[0].rfind(kByteOrderMark, 0) == 0) lines_[0].erase(0, 3);
}

bool ScriptRunner::AtEnd() const {
    for (size_t i = next_; i < lines_.size(); ++i) {
        std::vector<std::string> words;
        std::string error;
        if (!ScriptSplit(lines_[i], &words, &error) || !words.empty()) return false;
    }
    return true;
}

void ScriptRunner::Fail(const std::string& message) {
    if (failed_) return;
    failed_ = true;
    // One printable line, whatever bytes the script held.
    error_ = ShowBytes(file_ + ":" + std::to_string(current_ + 1) + ": " + message);
}

bool ScriptRunner::RunNextLine() {
    while (!failed_ && next_ < lines_.size()) {
        current_ = next_++;
        std::vector<std::string> words;
        std::string error;
        if (!ScriptSplit(lines_[current_], &words, &error)) {
            Fail(error);
            return false;
        }
        if (words.empty()) continue;
        for (const std::string& w : words) {
            if (!Utf8Valid(w)) {
                Fail("'" + w + "' is not UTF-8 text");
                return false;
            }
            // A quoted tab is text; other control bytes are no part of one.
            for (unsigned char c : w) {
                if ((c < 0x20 && c != '\t') || c == 0x7f) {
                    Fail("'" + w + "' holds a control character");
                    return false;
                }
            }
        }
        if (TheHost().quitting) {
            Fail("'" + words[0] + "' after quit");
            return false;
        }
        auto it = Commands().find(words[0]);
        if (it == Commands().end()) {
            Fail("unknown command '" + words[0] + "'");
            return false;
        }
        std::string name = words[0];
        words.erase(words.begin());
        try {
            HostCheckInputAllowed(name);
            it->second.run(ScriptArgs(name, std::move(words)));
        } catch (const ScriptError& e) {
            Fail(e.what());
            return false;
        }
        return !failed_;
    }
    return false;
}

bool ScriptRunner::RunAll() {
    while (RunNextLine()) {
    }
    return !failed_;
}

}  // namespace drawhost
