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
// aside the store is never written, so the old file is not lost.
void PrefsLoad();

// Writes the whole store (temporary file, flush, rename). True without
// writing when the store was never read this session. False with *error when
// the file cannot be written; the old file is then left as it was.
bool PrefsSave(std::string* error);

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
