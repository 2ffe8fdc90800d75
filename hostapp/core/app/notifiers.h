// Notifications the host sends to the plug-ins that asked for them:
// "AI Application Started Notifier" once every plug-in has started, and
// "AI Art Selection Changed Notifier" when the selection changes. Served by
// "AI Notifier Suite" 2.
#pragma once
#include <string>

namespace drawhost {

// Sends "AI Notifier"/"AI Notify" of `type` to every started plug-in that
// registered a notifier of that type, in registration order.
void NotifiersSend(const std::string& type);

// What the document calls when its selection changes.
void NotifiersSelectionChanged();

}  // namespace drawhost
