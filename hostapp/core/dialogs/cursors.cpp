#include "dialogs/cursors.h"

#include <charconv>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "dialogs/images.h"
#include "frame/host.h"
#include "frame/resources.h"
#include "util/files.h"

namespace drawhost {

namespace {

constexpr const char* kIndexFile = "cursors/cursors.txt";

// What a bundle's cursors are known to be: the index is read once, each id
// resolved once (plug-ins set a cursor on every mouse move).
struct BundleCursors {
    std::map<int32_t, DlgCursor> listed;
    std::map<int32_t, std::optional<DlgCursor>> resolved;
};

std::map<std::string, BundleCursors>& Bundles() {
    static std::map<std::string, BundleCursors> bundles;
    return bundles;
}

ResetRegistrar reset([] { Bundles().clear(); });

bool WholeNumber(const std::string& word, int32_t* value) {
    const char* end = word.data() + word.size();
    auto [at, ec] = std::from_chars(word.data(), end, *value);
    return ec == std::errc() && at == end;
}

bool OneWord(const std::string& word) {
    if (word.empty()) return false;
    for (unsigned char c : word)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            return false;
    return true;
}

std::string BundleName(const LoadedPlugin& p) {
    const size_t slash = p.folder.find_last_of('/');
    return slash == std::string::npos ? p.folder : p.folder.substr(slash + 1);
}

void Report(const LoadedPlugin& p, const std::string& what) {
    HostLog("drawhost: " + BundleName(p) + ": " + what);
}

// A bundle without an index has no cursors; that is no fault of its own.
void ReadIndex(const LoadedPlugin& p, BundleCursors* cursors) {
    std::string content, error;
    if (!ReadWholeFile(HostResourcePath(p, kIndexFile), &content, &error)) return;
    std::istringstream lines(content);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        DlgCursor c;
        const std::string where = std::string(kIndexFile) + " line " + std::to_string(number) + ": ";
        if (!DlgParseCursorLine(line, &c, &error))
            Report(p, where + error);
        else if (!cursors->listed.emplace(c.id, c).second)
            Report(p, where + "cursor " + std::to_string(c.id) + " is listed twice; the first line counts");
    }
}

std::optional<DlgCursor> Resolve(const LoadedPlugin& p, const BundleCursors& cursors, int32_t id) {
    const auto it = cursors.listed.find(id);
    if (it == cursors.listed.end()) return std::nullopt;
    DlgCursor c = it->second;
    const std::string image = "cursors/" + std::to_string(id) + ".png";
    c.path = HostResourcePath(p, image);
    if (!DlgPngSize(c.path, &c.width, &c.height)) {
        Report(p, "cursor " + std::to_string(id) + " is not used: " + image + " is missing or not a PNG");
        return std::nullopt;
    }
    if (c.hotX >= c.width || c.hotY >= c.height) {
        Report(p, "cursor " + std::to_string(id) + " is not used: its hotspot " + std::to_string(c.hotX) + " " +
                      std::to_string(c.hotY) + " lies outside its " + std::to_string(c.width) + " x " +
                      std::to_string(c.height) + " image");
        return std::nullopt;
    }
    return c;
}

}  // namespace

bool DlgParseCursorLine(const std::string& line, DlgCursor* cursor, std::string* error) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    DlgCursor c;
    if (words.size() != 4) {
        *error = "not \"ID HOTX HOTY NAME\"";
        return false;
    }
    if (!WholeNumber(words[0], &c.id) || c.id <= 0) {
        *error = "the id \"" + words[0] + "\" is not a whole number above 0";
        return false;
    }
    if (!WholeNumber(words[1], &c.hotX) || !WholeNumber(words[2], &c.hotY) || c.hotX < 0 || c.hotY < 0) {
        *error = "the hotspot \"" + words[1] + " " + words[2] + "\" is not two whole numbers from 0";
        return false;
    }
    if (!OneWord(words[3])) {
        *error = "the name \"" + words[3] + "\" is not one word of letters, digits, '-' and '_'";
        return false;
    }
    c.name = words[3];
    *cursor = c;
    return true;
}

bool DlgFindCursor(PluginRef plugin, int32_t id, DlgCursor* cursor) {
    const LoadedPlugin* p = HostPluginOf(plugin);
    if (!p) return false;
    auto [bundle, fresh] = Bundles().try_emplace(p->folder);
    if (fresh) ReadIndex(*p, &bundle->second);
    auto [entry, unseen] = bundle->second.resolved.try_emplace(id);
    if (unseen) entry->second = Resolve(*p, bundle->second, id);
    if (!entry->second) return false;
    if (cursor) *cursor = *entry->second;
    return true;
}

std::string DlgCursorLogLine(PluginRef plugin, int32_t id) {
    DlgCursor c;
    const std::string head = "cursor " + std::to_string(id);
    return DlgFindCursor(plugin, id, &c) ? head + " " + c.name : head + " (no resource)";
}

}  // namespace drawhost
