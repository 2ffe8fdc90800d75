// The preference store's values and its file.
//
// The file is UTF-8 text, one entry a line:
//
//   drawhost-preferences 1
//   # a comment: a line whose first non-blank character is '#'
//   constrain/angle = real:0.785398
//   [QZVARC]
//   Epaisseur = real:0.24
//   Son = bool:false
//   Tolerance = int:8
//   kADM_DPDockGroupStr = string:"Groupe \"A\"\n"
//   PositionPalette = point:120,340
//   end
//
// - The first line is "drawhost-preferences 1" (the format's version); the
//   last non-blank line is "end". A file without its "end" line was cut
//   short and is refused as a whole.
// - "[PREFIX]" starts the keys of a prefix. Keys before the first section,
//   or after "[]", are the host's own (read with a null prefix).
// - "KEY = TYPE:VALUE", blanks around '=' optional. Types:
//     bool    true or false
//     int     a signed 32-bit decimal integer
//     real    a finite decimal number (written in its shortest exact form)
//     string  a double-quoted text; \" \\ \n \r \t and \xHH (a control
//             byte) are the escapes, every other character stands for itself
//     point   two int values separated by a comma: H,V
// - A prefix or key made only of characters other than blanks, '=', '"',
//   '[', ']', '#' and control characters is written as it is; any other is
//   written as a double-quoted text with the escapes above.
// - A key appears once per prefix. Any line that does not follow these rules
//   makes the whole file unreadable: it is set aside, never half-read.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "host_types.h"

namespace drawhost {

using PrefValue = std::variant<bool, int32_t, double, std::string, IntPoint>;

// Prefix -> key -> value. The empty prefix holds the host's own keys.
using PrefStore = std::map<std::string, std::map<std::string, PrefValue>>;

// The whole file for `store`, keys in byte order, the host's own first.
std::string PrefsFormat(const PrefStore& store);

// One value as the file writes it ("int:0", "string:\"a\"").
std::string PrefsFormatValue(const PrefValue& value);

// Reads a whole file. False with *error ("line N: why" or why the file as a
// whole is refused) and `store` untouched when any part is malformed.
bool PrefsParse(const std::string& text, PrefStore* store, std::string* error);

// True when `text` is well-formed UTF-8 (what strings must be to be stored).
bool PrefsValidUtf8(const std::string& text);

}  // namespace drawhost
