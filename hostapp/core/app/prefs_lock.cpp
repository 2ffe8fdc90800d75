// The preference file's lock. Two sessions on one file would each write
// back what they read at their start, and the one ending last would erase
// the other's changes. A session therefore holds an advisory lock (flock)
// on the file from the moment it reads it to its end; another session
// waits for it a bounded time, then stops.
//
// The lock sits on the file itself, not on a file beside it: nothing is
// left behind. Because a save replaces the file by renaming a new one over
// it, a session that obtains the lock checks that the name still leads to
// the file it locked, and locks the new one if not. A missing file is
// created empty to be locked; an empty file reads as no preferences, and it
// is removed again if the session never wrote it.
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "app/app_state.h"
#include "app/prefs.h"
#include "util/files.h"

namespace drawhost {

namespace {

// How often a waiting session tries again.
constexpr int kRetryMs = 25;

// Opens the file to be locked, creating it if it is missing. -1 when it
// cannot be opened or is not a regular file: reading it will say why.
int OpenForLock(const std::string& path, bool* created) {
    for (;;) {
        *created = false;
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
            if (fd < 0 && errno == EEXIST) continue;   // another session made it first
            *created = fd >= 0;
        }
        if (fd < 0) return -1;
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            return -1;
        }
        return fd;
    }
}

}  // namespace

bool PrefsLock(std::string* error) {
    AppState& app = TheApp();
    if (app.prefsLockFd >= 0 || app.prefsPath.empty()) return true;
    std::string why;
    if (app.prefsPathIsDefault) MakeFolders(app.prefsPath, &why);   // a failure shows at the save
    FileTarget target;
    if (!ResolveFile(app.prefsPath, &target, &why)) return true;

    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kPrefsLockWaitMs);
    for (;;) {
        bool created = false;
        int fd = OpenForLock(target.path, &created);
        if (fd < 0) return true;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            struct stat locked, named;
            ::fstat(fd, &locked);
            if (::stat(target.path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
                named.st_ino == locked.st_ino) {
                app.prefsLockFd = fd;
                app.prefsLockPath = target.path;
                app.prefsLockDevice = locked.st_dev;
                app.prefsLockInode = locked.st_ino;
                app.prefsLockCreated = created;
                return true;
            }
            ::close(fd);   // replaced by the session that held it: lock the new file
            continue;
        }
        int failure = errno;
        ::close(fd);
        // A file system without locks: go on as before locks existed.
        if (failure != EWOULDBLOCK) return true;
        if (std::chrono::steady_clock::now() >= deadline) {
            *error = "the preference file " + app.prefsPath + " is in use by another drawhost session (waited " +
                     std::to_string(kPrefsLockWaitMs / 1000) + " s); stopped so as not to overwrite its changes";
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(kRetryMs));
    }
}

void PrefsUnlock() {
    AppState& app = TheApp();
    if (app.prefsLockFd < 0) return;
    // The empty file made for the lock goes again if nothing replaced it.
    struct stat st;
    if (app.prefsLockCreated && ::stat(app.prefsLockPath.c_str(), &st) == 0 && st.st_dev == app.prefsLockDevice &&
        st.st_ino == app.prefsLockInode && st.st_size == 0)
        ::unlink(app.prefsLockPath.c_str());
    ::close(app.prefsLockFd);
    app.prefsLockFd = -1;
    app.prefsLockPath.clear();
    app.prefsLockCreated = false;
}

}  // namespace drawhost
