// The table of host suites acquired around every message, and the
// acquisition bracket with its nesting counter.
#pragma once
#include <stdint.h>

#include "sdk_all.h"

namespace qzv {

struct SuiteEntry {
    const char* name;
    int32_t version;
    const void** destination;   // the pointer variable that receives the suite
};

enum { kSuiteTableSize = 119 };
extern const SuiteEntry kSuiteTable[kSuiteTableSize];

// How many calls are inside the acquisition bracket (signed 16-bit).
extern int16_t gSuiteNesting;

// Acquires every suite when no call is inside the bracket yet; always enters
// the bracket. The first failure stops the walk and is the result; when the
// dialog manager's basic suite is already held, the user is told which suite
// is missing first.
HostErr SuitesAcquire();

// Leaves the bracket; the outermost call releases every suite in table order,
// stopping at the first release error (not reported).
void SuitesRelease();

}  // namespace qzv
