// The plug-ins' cursors: resources/cursors/<id>.png of a bundle and its index
// resources/cursors/cursors.txt, one cursor a line "ID HOTX HOTY NAME" (blank
// lines and lines starting with '#' are skipped).
#pragma once
#include <cstdint>
#include <string>

#include "sdk_all.h"

namespace drawhost {

struct DlgCursor {
    int32_t id = 0;
    int32_t hotX = 0, hotY = 0;     // the pixel the pointer stands for
    int32_t width = 0, height = 0;  // of its PNG
    std::string name;               // one word: letters, digits, '-', '_'
    std::string path;               // its PNG (set when found for a plug-in)
};

// One index line into *cursor (id, hotspot, name). False with *error when it
// is not "ID HOTX HOTY NAME" with a positive id and a hotspot of two whole
// numbers from 0.
bool DlgParseCursorLine(const std::string& line, DlgCursor* cursor, std::string* error);

// The plug-in's cursor `id`, when its bundle lists it and has its PNG with the
// hotspot inside. What makes a listed cursor unusable, and index lines that
// cannot be read, are logged once per bundle.
bool DlgFindCursor(PluginRef plugin, int32_t id, DlgCursor* cursor);

// The log line of a cursor change: "cursor ID NAME", or "cursor ID (no
// resource)" when the plug-in has no usable cursor of that id.
std::string DlgCursorLogLine(PluginRef plugin, int32_t id);

}  // namespace drawhost
