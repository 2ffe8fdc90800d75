// A check of the document's structure that every scenario test can run at
// its end: true when the document is consistent, else false with the first
// fault found in *whyNot (which may be null).
//
// Checked: every layer has its own layer group and the current layer is one
// of them; each child's parent is the group that lists it, and no art is
// listed twice; every art of the table is reachable from a layer and
// nothing reachable has been disposed; paths have no children and only
// finite, in-range segments; the art suite's sibling and child answers
// agree with the stored paint order; the path suite's segment counts agree
// with the stored segments.
#pragma once
#include <string>

namespace drawhost {

bool DocumentCheckInvariants(std::string* whyNot);

}  // namespace drawhost
