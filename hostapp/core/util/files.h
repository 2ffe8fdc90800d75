// Files as drawhost reads and writes them: reads that never block and take
// only what they can handle, writes that are whole or nothing, land on the
// target of a symbolic link and never replace anything but a regular file.
#pragma once
#include <string>
#include <sys/types.h>
#include <vector>

namespace drawhost {

// Where a path leads. `path` is where a write would land: absolute, the
// folders canonical and a link at the end followed to its target (which
// may not exist yet). `exists` and the rest come from stat(), which follows
// every link the kernel knows, /dev/stdin included.
struct FileTarget {
    std::string path;
    bool exists = false;
    mode_t mode = 0;
    dev_t device = 0;
    ino_t inode = 0;
};

// False with *error for an empty name, a folder that does not exist, or a
// chain of links that loops or runs too long.
bool ResolveFile(const std::string& path, FileTarget* target, std::string* error);

// Two targets are one file: the same inode when both exist (hard links and
// links of any kind included), else the same resolved path.
bool SameFile(const FileTarget& a, const FileTarget& b);

// "a directory", "a FIFO", "a character device", ... for a file type that is
// not a regular file; "a regular file" for one that is.
std::string FileTypeName(mode_t mode);

// Reads a whole regular file without ever blocking: a FIFO, a device, a
// socket or a folder is refused with its type. False (with *error naming
// the path and the reason) when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error);

// Reads a whole input stream: a regular file, a pipe or a terminal (a
// script given as /dev/stdin). A named pipe waits for its writer, as any
// reader of it would. Folders, sockets and block devices are refused.
bool ReadInputFile(const std::string& path, std::string* content, std::string* error);

// Writes `content` to a temporary file beside the target (the target of a
// link, so the link stays), flushes it and renames it over the target,
// keeping the old file's permissions. Refuses a target that is not a
// regular file and one reserved by the session (FilesReserve). On any
// failure the old file is untouched, the temporary file removed, *error
// says why and the result is false.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);

// Several files written together: each to its temporary file first, then
// all renamed into place. If any cannot be written none is replaced.
// Reservations do not apply: the batch is the session's own writing.
class FileBatch {
public:
    void Add(std::string path, std::string content);
    bool Empty() const { return entries_.empty(); }
    bool Commit(std::string* error);

private:
    struct Entry {
        std::string path;
        std::string content;
        FileTarget target;
        std::string temp;
    };
    std::vector<Entry> entries_;
};

// Files the session itself reads or writes at its end (the script, the
// preference file, the outputs): no other write may replace them. `role`
// names the file in the refusal ("--prefs", "the script").
void FilesReserve(const FileTarget& target, const std::string& role);
void FilesClearReserved();

// Creates every missing folder above the file `path` (a configuration
// folder on a first run). False with *error naming the one that failed.
bool MakeFolders(const std::string& path, std::string* error);

// The temporary file name of a write to `target` by process `pid`.
std::string TemporaryName(const std::string& targetPath, long pid);

// Removes the temporary files that writes to `target` left behind when
// their process was killed (TemporaryName with a process that no longer
// runs). Returns the paths removed.
std::vector<std::string> RemoveStaleTemporaries(const FileTarget& target);

}  // namespace drawhost
