// Mouse and key events of the session, as a user produces them, delivered
// to the selected tool in the order the host sends them: a track at the
// down point when the cursor moved, the down, drags only while the button is
// down, the up. After every message the host settles: it redraws what the
// annotators invalidated and reports the beeps the plug-in played.
#pragma once
#include <string>

#include "sdk_all.h"

namespace drawhost {

// Redraws the annotators' invalid rectangles and logs the beeps since the
// last call ("beep 9000 100"). Run after every message sent to a plug-in.
void EventsAfterMessage();

// The four mouse events at a point in document coordinates. False, with
// nothing sent, when the event is out of order (a drag or an up with the
// button up, a down or a move with it down); *why says so.
bool EventsMove(RealPoint where, std::string* why);
bool EventsDown(RealPoint where, std::string* why);
bool EventsDrag(RealPoint where, std::string* why);
bool EventsUp(RealPoint where, std::string* why);

// Holds or releases a modifier key (a virtual-key code of platform.h).
void EventsSetKey(int32_t virtualKey, bool held);

}  // namespace drawhost
