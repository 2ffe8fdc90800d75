// The host's preference store: typed values under a prefix and a key,
// served to plug-ins by the preference suite, read from its file just before
// the plug-ins start (they read their settings at start-up) and written
// whole when the session ends. The file's format is in prefs_store.h.
#pragma once
#include <string>

#include "app/prefs_store.h"
#include "host_errors.h"

namespace drawhost {

// $XDG_CONFIG_HOME/drawhost/preferences.txt, else ~/.config/drawhost/preferences.txt.
std::string PrefsDefaultPath();

// Where the store is read from and written to; "" keeps it in memory only.
void PrefsSetPath(const std::string& path);

// Reads the file into the store, once per session. A missing file starts an
// empty store. An unreadable or malformed one is reported in one log line and
// set aside as FILE.corrupt-N, and the store starts empty; if it cannot be set
// aside the store is never written, so the old file is not lost. A link is
// followed: the file read, set aside and written is its target.
void PrefsLoad();

// Takes an advisory lock (flock) on the preference file, held until
// PrefsUnlock (a reset): another session on the same file waits for it. A
// missing file is created empty to be locked, and removed again if it was
// never written. True when locked, or when there is nothing to lock (no
// file name, no folder, a file that cannot be opened or is not a regular
// file: reading it reports that). False with *error naming the file when
// another session still holds it after kPrefsLockWaitMs.
constexpr int kPrefsLockWaitMs = 2000;
bool PrefsLock(std::string* error);
void PrefsUnlock();

// Adds the whole store to `batch` (written with the session's outputs).
// True without adding when the store was never read this session. False
// with *error when it must not be written: the file could not be read, or
// another program replaced it since this session read it.
class FileBatch;
bool PrefsSaveInto(FileBatch& batch, std::string* error);

// Writes the whole store now (temporary file, flush, rename), as
// PrefsSaveInto says. False with *error when the file cannot be written;
// the old file is then left as it was.
bool PrefsSave(std::string* error);

// A read that found the key stored with another type than the one asked:
// logged once per key and session. The stored text stays in the file until
// the key is written again.
void PrefsNoteWrongType(const char* prefix, const char* key, const char* wanted);

// Writes that fail on purpose: from now on every Put answers
// kErrWriteFailed and stores nothing (on), or none fails (off).
void PrefsFailWrites(bool on);
// The next `n` Puts succeed, every later one fails.
void PrefsFailWritesAfter(int n);

// The value under prefix and key: the stored one, else for a null or empty
// prefix the host's own default. Null when there is none.
const PrefValue* PrefsFind(const char* prefix, const char* key);

// Stores a value (kErrBadParameter for a null or empty key, kErrWriteFailed
// when writes are made to fail).
HostErr PrefsPut(const char* prefix, const char* key, PrefValue value);

}  // namespace drawhost
