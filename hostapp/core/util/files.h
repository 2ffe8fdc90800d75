// File helpers with all-or-nothing writes.
#pragma once
#include <string>

namespace drawhost {

// Writes `content` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On any failure the old file is untouched, the
// temporary file is removed, *error says why and the result is false.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);

// Reads a whole file. False (with *error) when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string* content, std::string* error);

}  // namespace drawhost
