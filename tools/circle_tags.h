// The construction data that circles drawn by centre and radius keep as
// tags, so that a later click on their outline re-opens them.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Tag names and values on a re-editable circle.
inline constexpr const char* kTagEditable = "modif";        // "jj": the circle can be re-opened
inline constexpr const char* kTagTool = "outil";            // "a": made by centre and radius
inline constexpr const char* kTagRadius = "rayon";
inline constexpr const char* kTagCentreH = "centreh";
inline constexpr const char* kTagCentreV = "centrev";
inline constexpr const char* kTagCentreCross = "PtCen";     // "jj": grouped with its centre cross
inline constexpr const char* kTagYes = "jj";

// Writes "outil", "rayon", "PtCen" (or removes it when the centre cross is
// off), "centreh" and "centrev" on the construction path, from the tool
// state. Nothing is written once the path no longer exists.
HostErr WriteCircleTags();

// Makes the re-editable circle `circle` (the art under the click) the live
// construction again, with the centre and radius of its tags; a circle
// grouped with its centre cross brings its group and cross back too.
HostErr ReopenCircle(ArtHandle circle);

// A number as a tag text: two decimals, comma as decimal mark, as long as
// the value needs (a large coordinate keeps all its digits).
void CircleTagText(float value, char* buffer, int32_t size);

}  // namespace qzv
