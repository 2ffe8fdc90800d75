// An in-memory preference store behind the preference suite's table, for
// testing the settings against exact sequences of reads and writes.
#pragma once
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "sdk_all.h"

namespace settings_test {

using Value = std::variant<bool, int32_t, double, std::string, IntPoint>;

struct FakeStore {
    std::map<std::string, Value> values;      // "prefix/key" -> value
    std::vector<std::string> writes;          // keys written, in order
    int writesBeforeFailure = -1;             // -1: never fail; n: the (n+1)-th write fails
};

FakeStore& Store();
const PreferenceSuite* FakePreferenceSuite();
std::string Key(const char* key);   // "QZVARC/<key>"

}  // namespace settings_test
