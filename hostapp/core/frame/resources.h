// A plug-in's resources, read from its bundle's resources/ folder:
//   strings/<id>.txt  a string list: line n is string n (from 1); the escapes
//                     \n, \r and \\ stand for line feed, carriage return, backslash
//   menus/<id>.txt    a menu: one entry a line, "<id> <text>"; "<id> -" or "-" is a separator
//   icons/<id>_<index>.png, cursors/<id>.png, pictures/<id>.png
#pragma once
#include <string>
#include <vector>

#include "frame/host.h"

namespace drawhost {

struct MenuResourceEntry {
    int id = 0;            // 0 for a separator
    std::string text;
    bool separator = false;
};

std::string HostResourcePath(const LoadedPlugin& plugin, const std::string& relative);

// A resource a plug-in asked for and cannot have (missing, unreadable, not a
// regular file, not what it should hold): logged once per resource and
// session, with the reason.
void HostResourceRefused(const LoadedPlugin& plugin, const std::string& relative, const std::string& why);

// The whole resource file, read without blocking; false (and logged) when
// it cannot be read.
bool HostReadResource(const LoadedPlugin& plugin, const std::string& relative, std::string* content);

// The path of a resource file that is a readable regular file, for readers
// that open it themselves (images); empty (and logged) otherwise.
std::string HostResourceFile(const LoadedPlugin& plugin, const std::string& relative);

// String `index` (from 1) of list `listId`. False when the list or the index does not exist.
bool HostGetIndexString(const LoadedPlugin& plugin, int listId, int index, std::string* text);

// The menu resource `menuId`. False when it does not exist or a line is malformed.
bool HostLoadMenuResource(const LoadedPlugin& plugin, int menuId, std::vector<MenuResourceEntry>* entries,
                          std::string* error);

}  // namespace drawhost
