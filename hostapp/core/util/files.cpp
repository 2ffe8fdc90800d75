#include "util/files.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace drawhost {

namespace {

// A chain of links longer than this is taken for a loop (the kernel's own limit).
constexpr int kMaxLinkHops = 40;

struct Reservation {
    FileTarget target;
    std::string role;
};

std::vector<Reservation>& Reserved() {
    static std::vector<Reservation> reserved;
    return reserved;
}

std::string Why() { return std::strerror(errno); }

std::string CurrentFolder() {
    char buf[PATH_MAX];
    return ::getcwd(buf, sizeof buf) ? std::string(buf) : std::string(".");
}

// "dir/name" split at the last slash; the folder is "/" for "/name".
void SplitLast(const std::string& path, std::string* folder, std::string* name) {
    size_t slash = path.find_last_of('/');
    *folder = slash == 0 ? "/" : path.substr(0, slash);
    *name = path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

bool ReadAll(int fd, const std::string& path, std::string* content, std::string* error) {
    content->clear();
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            *error = "cannot read " + path + ": " + Why();
            return false;
        }
        content->append(buf, static_cast<size_t>(n));
    }
}

bool WriteAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// A target that may be replaced: absent, or a regular file.
bool Replaceable(const std::string& shown, const FileTarget& t, std::string* error) {
    if (!t.exists || S_ISREG(t.mode)) return true;
    *error = "cannot write " + shown + ": it is " + FileTypeName(t.mode) + ", not a regular file (left as it is)";
    return false;
}

// Writes the temporary file beside `t` and flushes it. The name is ours
// alone (it carries our process id); one that exists already was left by
// an earlier process with the same id, or by an earlier write of ours that
// failed half-way, and is replaced if it is a regular file.
bool WriteTemporary(const std::string& shown, const FileTarget& t, const std::string& content, std::string* temp,
                    std::string* error) {
    *temp = TemporaryName(t.path, ::getpid());
    int flags = O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW;
    int fd = ::open(temp->c_str(), flags, 0644);
    struct stat st;
    if (fd < 0 && errno == EEXIST && ::lstat(temp->c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
        ::unlink(temp->c_str()) == 0)
        fd = ::open(temp->c_str(), flags, 0644);
    if (fd < 0) {
        *error = "cannot write " + shown + ": " + Why();
        return false;
    }
    // The new file keeps the permissions of the one it replaces (a private
    // preference file stays private).
    bool ok = (!t.exists || ::fchmod(fd, t.mode & 07777) == 0) && WriteAll(fd, content) && ::fsync(fd) == 0;
    int saved = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        saved = errno;
    }
    if (!ok) {
        *error = "cannot write " + shown + ": " + std::strerror(saved);
        ::unlink(temp->c_str());
        return false;
    }
    return true;
}

// Makes the renames themselves durable.
void SyncFolder(const std::string& path) {
    std::string folder, name;
    SplitLast(path, &folder, &name);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

std::string FileTypeName(mode_t mode) {
    if (S_ISREG(mode)) return "a regular file";
    if (S_ISDIR(mode)) return "a directory";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISCHR(mode)) return "a character device";
    if (S_ISBLK(mode)) return "a block device";
    if (S_ISSOCK(mode)) return "a socket";
    if (S_ISLNK(mode)) return "a symbolic link";
    return "not a regular file";
}

bool ResolveFile(const std::string& path, FileTarget* target, std::string* error) {
    *target = FileTarget{};
    if (path.empty()) {
        *error = "an empty file name";
        return false;
    }
    std::string p = path[0] == '/' ? path : Join(CurrentFolder(), path);
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        while (p.size() > 1 && p.back() == '/') p.pop_back();
        std::string folder, name;
        SplitLast(p, &folder, &name);
        char canonical[PATH_MAX];
        if (!::realpath(folder.c_str(), canonical)) {
            *error = path + ": no folder " + folder + " (" + Why() + ")";
            return false;
        }
        std::string full = name.empty() ? std::string(canonical) : Join(canonical, name);
        struct stat st;
        if (::lstat(full.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            target->path = full;
            break;
        }
        char link[PATH_MAX];
        ssize_t n = ::readlink(full.c_str(), link, sizeof link - 1);
        if (n < 0) {
            *error = path + ": " + Why();
            return false;
        }
        std::string to(link, static_cast<size_t>(n));
        p = to[0] == '/' ? to : Join(canonical, to);
        if (hop == kMaxLinkHops) {
            *error = path + ": too many levels of symbolic links (a loop?)";
            return false;
        }
    }
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        target->exists = true;
        target->mode = st.st_mode;
        target->device = st.st_dev;
        target->inode = st.st_ino;
    }
    return true;
}

bool SameFile(const FileTarget& a, const FileTarget& b) {
    if (a.exists && b.exists) return a.device == b.device && a.inode == b.inode;
    return !a.exists && !b.exists && a.path == b.path;
}

bool ReadWholeFile(const std::string& path, std::string* content, std::string* error) {
    // O_NONBLOCK: opening a FIFO without a writer would wait for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = "cannot read " + path + ": " + Why();
        return false;
    }
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) {
        *error = "cannot read " + path + ": " + Why();
    } else if (!S_ISREG(st.st_mode)) {
        *error = "cannot read " + path + ": it is " + FileTypeName(st.st_mode) + ", not a regular file";
        ok = false;
    } else {
        ok = ReadAll(fd, path, content, error);
    }
    ::close(fd);
    return ok;
}

bool ReadInputFile(const std::string& path, std::string* content, std::string* error) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *error = "cannot read " + path + ": " + Why();
        return false;
    }
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0;
    if (!ok) {
        *error = "cannot read " + path + ": " + Why();
    } else if (!S_ISREG(st.st_mode) && !S_ISFIFO(st.st_mode) && !S_ISCHR(st.st_mode)) {
        *error = "cannot read " + path + ": it is " + FileTypeName(st.st_mode) + ", not a file";
        ok = false;
    } else {
        ok = ReadAll(fd, path, content, error);
    }
    ::close(fd);
    return ok;
}

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error) {
    FileTarget t;
    std::string why;
    if (!ResolveFile(path, &t, &why)) {
        *error = "cannot write " + why;
        return false;
    }
    for (const Reservation& r : Reserved()) {
        if (SameFile(r.target, t)) {
            *error = "cannot write " + path + ": it is " + r.role + " of this session (not overwritten)";
            return false;
        }
    }
    FileBatch batch;
    batch.Add(path, content);
    return batch.Commit(error);
}

void FileBatch::Add(std::string path, std::string content) {
    entries_.push_back({std::move(path), std::move(content), FileTarget{}, std::string()});
}

bool FileBatch::Commit(std::string* error) {
    auto removeTemps = [this] {
        for (Entry& e : entries_)
            if (!e.temp.empty()) ::unlink(e.temp.c_str());
    };
    for (Entry& e : entries_) {
        std::string why;
        if (!ResolveFile(e.path, &e.target, &why)) {
            *error = "cannot write " + why;
            return false;
        }
        if (!Replaceable(e.path, e.target, error)) return false;
    }
    for (Entry& e : entries_) {
        if (!WriteTemporary(e.path, e.target, e.content, &e.temp, error)) {
            e.temp.clear();
            removeTemps();
            return false;
        }
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        Entry& e = entries_[i];
        if (std::rename(e.temp.c_str(), e.target.path.c_str()) != 0) {
            *error = "cannot replace " + e.path + ": " + Why();
            for (size_t k = i; k < entries_.size(); ++k) ::unlink(entries_[k].temp.c_str());
            return false;
        }
        SyncFolder(e.target.path);
    }
    entries_.clear();
    return true;
}

bool MakeFolders(const std::string& path, std::string* error) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        std::string dir = path.substr(0, slash);
        if (::mkdir(dir.c_str(), 0755) != 0 && errno != EEXIST) {
            *error = "cannot create " + dir + ": " + Why();
            return false;
        }
    }
    return true;
}

void FilesReserve(const FileTarget& target, const std::string& role) { Reserved().push_back({target, role}); }

void FilesClearReserved() { Reserved().clear(); }

std::string TemporaryName(const std::string& targetPath, long pid) {
    return targetPath + ".tmp-" + std::to_string(pid);
}

std::vector<std::string> RemoveStaleTemporaries(const FileTarget& target) {
    std::vector<std::string> removed;
    std::string folder, name;
    SplitLast(target.path, &folder, &name);
    const std::string prefix = name + ".tmp-";
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return removed;
    std::vector<std::string> candidates;
    while (dirent* e = ::readdir(dir)) {
        std::string n = e->d_name;
        if (n.size() <= prefix.size() || n.compare(0, prefix.size(), prefix) != 0) continue;
        std::string digits = n.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
        candidates.push_back(n);
    }
    ::closedir(dir);
    for (const std::string& n : candidates) {
        long pid = std::strtol(n.c_str() + prefix.size(), nullptr, 10);
        // Our own id: nothing of ours is being written while a session
        // opens, so such a file is an earlier process's.
        bool gone = pid == ::getpid() || (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
        if (!gone) continue;
        std::string full = Join(folder, n);
        struct stat st;
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(full.c_str()) == 0)
            removed.push_back(full);
    }
    return removed;
}

}  // namespace drawhost
