// A strict check of JSON text (RFC 8259), for the tests of what drawhost
// writes: the dump must be read by any JSON reader, whatever names and tags
// the user gave.
#pragma once
#include <string>

namespace drawhost_test {

// True when `text` is one JSON value with nothing but blanks around it;
// otherwise false with the offset and the reason in *why.
bool JsonValid(const std::string& text, std::string* why);

}  // namespace drawhost_test
