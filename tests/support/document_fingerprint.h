// The whole document as text, field by field, for comparing two documents:
// every layer and art in order, names and tags, segments and styles written
// exactly (shortest float texts that read back as the same bits; a zero
// coordinate without its sign), patterns by their place. Left out: handles (new on every read), the selection
// flag (a state of the session, not saved) and the view.
#pragma once
#include <string>

namespace drawhost_test {

std::string DocumentFingerprint();

}  // namespace drawhost_test
