// Handlers whose behaviour is not built yet: the colours dialog and the
// palette. Each is reached through the
// dispatch and, until its subsystem exists, answers success and changes
// nothing, so the host can drive the plug-in safely in the meantime.
#include "plugin/handlers.h"

namespace qzv {

HostErr NotifierNotify(NotifierMessage*) { return kNoErr; }

}  // namespace qzv
