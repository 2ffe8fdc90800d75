// The dialog manager calls the palette's procedures on its own (a click, a
// redraw, the close box), outside any host message: each one takes the
// host's suites for its duration as the entry point does (a call made inside
// a message only nests), and lets no exception out into the host.
#pragma once
#include "host/suites.h"
#include "plugin/globals.h"
#include "plugin/suite_table.h"

namespace qzv {

template <class Body>
void WithSuites(Body&& body) noexcept {
    if (!sBasic) return;   // never called by a message yet: no way to reach the host
    if (SuitesAcquire() == kNoErr && gGlobals) {
        try {
            body();
        } catch (...) {
            // Nothing the palette does throws; a failure here must not take the host down.
        }
    }
    SuitesRelease();
}

}  // namespace qzv
