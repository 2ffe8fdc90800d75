// What the palette's value fields and buttons change, and the rebuild of the
// current shape each change asks for. Each edit is one function named for
// the value it changes; the notify procedures read the item and call it.
//
// "The current shape" is the art the current tool made last (the circle
// tool's main path or the rectangle tool's); every edit first asks the host
// whether it still exists and leaves the document alone when it does not
// (the user may have deleted it): the value is stored all the same.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Lengths typed into the palette are held within this many points (about
// 350 metres) of zero: farther than any document reaches usefully, and
// still well inside single precision for the geometry built from them.
inline constexpr float kLargestTypedLength = 1.0e6f;

// ---- circle tool (circle_values.cpp) ----
// Stroke weight (points): stored, the current shape of either tool rebuilt.
void EditStrokeWeight(float weight);
// Radius as shown (divided by the drawing scale).
void EditRadius(float shown);
// Centre angle and start angle, degrees.
void EditCentreAngle(float degrees);
void EditStartAngle(float degrees);
// Item 16: the complement flag inverted and the shape moved or rebuilt.
void EditComplement();
// The current circle-tool shape rebuilt from the tool state, with its
// centre cross and tangency ticks; nothing when it no longer exists.
HostErr RebuildCircleShape();

// ---- rectangle tool (rect_values.cpp) ----
void EditRectLength(float shown);
void EditRectWidth(float shown);
void EditInclination(float degrees);
void EditRounding(float shown);
// Item 77: the polygonal-line switch.
void EditPolylineSwitch();
// The current rectangle-tool shape rebuilt; nothing when it no longer exists.
HostErr RebuildRectToolShape();

// ---- buttons and the scale (palette_actions.cpp) ----
void CloneCurrentShape();
void SwapFillAndStroke();
// The logo button: every working value back to its setting, the current
// shape repainted and its centre cross made or removed to match.
void ResetToSettings();
// The scale label with Space: the default scale of the settings.
void ResetScaleToSettings();
// A scale popup entry by id (kScaleEntries).
void ChooseScaleEntry(int32_t entryId);
// Recomputes the scale factor, selects its entry, shows item 13 when not 1.
void PaletteApplyScale();

// The notify and track procedures of these items (palette_items.cpp installs them).
void NotifyValueField(ItemRef item, DlgNotifierRef notifier);
void NotifyPaletteButton(ItemRef item, DlgNotifierRef notifier);
HostBool TrackSpaceClick(ItemRef item, TrackerRef tracker);

}  // namespace qzv
