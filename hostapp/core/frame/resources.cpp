#include "frame/resources.h"

#include <cstdlib>

#include "util/files.h"

namespace drawhost {

namespace {

std::vector<std::string> SplitLines(const std::string& content) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            char c = s[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

std::string HostResourcePath(const LoadedPlugin& plugin, const std::string& relative) {
    return plugin.folder + "/resources/" + relative;
}

bool HostGetIndexString(const LoadedPlugin& plugin, int listId, int index, std::string* text) {
    std::string content, error;
    if (index < 1) return false;
    if (!ReadWholeFile(HostResourcePath(plugin, "strings/" + std::to_string(listId) + ".txt"), &content, &error))
        return false;
    std::vector<std::string> lines = SplitLines(content);
    if (index > static_cast<int>(lines.size())) return false;
    *text = Unescape(lines[index - 1]);
    return true;
}

bool HostLoadMenuResource(const LoadedPlugin& plugin, int menuId, std::vector<MenuResourceEntry>* entries,
                          std::string* error) {
    std::string content;
    if (!ReadWholeFile(HostResourcePath(plugin, "menus/" + std::to_string(menuId) + ".txt"), &content, error))
        return false;
    entries->clear();
    int lineNo = 0;
    for (const std::string& line : SplitLines(content)) {
        ++lineNo;
        if (line.empty()) continue;
        MenuResourceEntry e;
        if (line == "-") {
            e.separator = true;
        } else {
            char* end = nullptr;
            long id = std::strtol(line.c_str(), &end, 10);
            if (end == line.c_str() || *end != ' ' || id <= 0) {
                *error = "menu " + std::to_string(menuId) + " line " + std::to_string(lineNo) + " is malformed";
                return false;
            }
            e.id = static_cast<int>(id);
            e.text = Unescape(end + 1);
            e.separator = e.text == "-";   // "<id> -": a separator that keeps its id
            if (e.separator) e.text.clear();
        }
        entries->push_back(e);
    }
    return true;
}

}  // namespace drawhost
