// Recognising a message and bracketing its handler with the host suites.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Copies the basic table, handles "SP Access" without suites, and runs every
// other message inside the acquisition bracket.
HostErr DispatchMessage(const char* caller, const char* selector, MessageHeader* message);

}  // namespace qzv
