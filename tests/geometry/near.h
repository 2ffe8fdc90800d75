// Comparison helpers of the geometry tests.
#pragma once

#include <gtest/gtest.h>

#include "host_types.h"

#define EXPECT_POINT_NEAR(actual, eh, ev, tol)        \
    do {                                              \
        const RealPoint p_ = (actual);                \
        EXPECT_NEAR(p_.h, (eh), (tol)) << "h of " #actual; \
        EXPECT_NEAR(p_.v, (ev), (tol)) << "v of " #actual; \
    } while (0)

inline bool SameSegment(const PathSegment& a, const PathSegment& b) {
    return a.p.h == b.p.h && a.p.v == b.p.v && a.in.h == b.in.h && a.in.v == b.in.v &&
           a.out.h == b.out.h && a.out.v == b.out.v && a.corner == b.corner;
}
