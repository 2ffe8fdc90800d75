// Host error codes: signed 32-bit, four characters packed first-character-high.
#pragma once
#include "host_types.h"

#define HOST_ERR4(a, b, c, d) \
    ((HostErr)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
               ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

enum {
    kNoErr              = 0,
    kErrSuiteNotFound   = HOST_ERR4('S', '!', 'F', 'd'),  // no suite of that name and version
    kErrBadParameter    = HOST_ERR4('P', 'A', 'R', 'M'),  // null, NaN, out of range
    kErrBadArt          = HOST_ERR4('A', 'R', 'T', '?'),  // handle not valid (disposed or foreign)
    kErrBadLayer        = HOST_ERR4('L', 'Y', 'R', '?'),
    kErrBadHandle       = HOST_ERR4('H', 'N', 'D', '?'),  // any other handle not valid
    kErrOutOfMemory     = HOST_ERR4('!', 'M', 'E', 'M'),
    kErrNotFound        = HOST_ERR4('!', 'F', 'N', 'D'),  // name, key or index not present
    kErrWrongType       = HOST_ERR4('T', 'Y', 'P', '?'),  // a stored value of another type
    kErrWriteFailed     = HOST_ERR4('W', 'R', 'T', '!'),
    kErrLocked          = HOST_ERR4('L', 'C', 'K', '!'),
    kErrCantHappen      = HOST_ERR4('C', 'A', 'N', 'T'),
    kErrIconMissing     = HOST_ERR4('!', 'i', 'c', 'o')   // 0x2169636F: a tool icon is missing
};
