#include "frame/resources.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "util/files.h"

namespace drawhost {

namespace {

// Resources already reported this session, as "bundle/relative".
std::set<std::string>& Reported() {
    static std::set<std::string> reported;
    return reported;
}
ResetRegistrar resetReported([] { Reported().clear(); });

std::string BundleOf(const LoadedPlugin& plugin) {
    size_t slash = plugin.folder.find_last_of('/');
    return slash == std::string::npos ? plugin.folder : plugin.folder.substr(slash + 1);
}

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

void HostResourceRefused(const LoadedPlugin& plugin, const std::string& relative, const std::string& why) {
    if (!Reported().insert(BundleOf(plugin) + "/" + relative).second) return;
    HostLog("drawhost: bundle " + BundleOf(plugin) + ": resource " + relative + " refused: " + why);
}

bool HostReadResource(const LoadedPlugin& plugin, const std::string& relative, std::string* content) {
    std::string error;
    if (ReadWholeFile(HostResourcePath(plugin, relative), content, &error)) return true;
    HostResourceRefused(plugin, relative, error);
    return false;
}

std::string HostResourceFile(const LoadedPlugin& plugin, const std::string& relative) {
    std::string path = HostResourcePath(plugin, relative);
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        HostResourceRefused(plugin, relative, "cannot read " + path + ": " + std::strerror(errno));
        return {};
    }
    struct stat st;
    bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    ::close(fd);
    if (!regular) {
        HostResourceRefused(plugin, relative, path + " is " + FileTypeName(st.st_mode) + ", not a regular file");
        return {};
    }
    return path;
}

bool HostGetIndexString(const LoadedPlugin& plugin, int listId, int index, std::string* text) {
    std::string content;
    if (index < 1) return false;
    if (!HostReadResource(plugin, "strings/" + std::to_string(listId) + ".txt", &content)) return false;
    std::vector<std::string> lines = SplitLines(content);
    if (index > static_cast<int>(lines.size())) return false;
    *text = Unescape(lines[index - 1]);
    return true;
}

bool HostLoadMenuResource(const LoadedPlugin& plugin, int menuId, std::vector<MenuResourceEntry>* entries,
                          std::string* error) {
    std::string content;
    if (!HostReadResource(plugin, "menus/" + std::to_string(menuId) + ".txt", &content)) {
        *error = "menu " + std::to_string(menuId) + " cannot be read";
        return false;
    }
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
