// What the rest of the plug-in asks of the palette. Every call is safe while
// the palette does not exist (before the application has started, or when
// its creation failed): it then changes only the state it names.
#pragma once
#include "sdk_all.h"

namespace qzv {

// Makes the palette when the host reports that the application has started:
// shown or hidden as the preferences say, every item disabled until a tool
// is selected. Once per run; returns the menu text's error, if any.
HostErr PaletteCreate(PluginRef plugin);

// Whether the palette is shown (the remembered state while it does not exist).
bool PaletteIsVisible();

// Shows or hides the palette and sets the show/hide menu item's text to
// match; returns the result of the text change.
HostErr PaletteSetVisible(bool visible);

// One of the two tools was selected: the flyout entries for that tool, every
// item enabled and laid out for the current tool and mode, the paint swatch.
void PaletteOnToolSelected();

// Neither tool is selected any more: flyout entries 1 to 13 and every item
// disabled.
void PaletteOnToolDeselected();

// The current tool or mode changed (Shift-click, mode buttons): items shown,
// enabled and labelled for it.
void PaletteUpdateForMode();

// Live values while drawing: the radius field (document points, shown
// divided by the drawing scale) and the arc-angle field (degrees).
void PaletteShowRadius(float radius);
void PaletteShowArcAngle(float degrees);

// The rectangle tool's live values: length (item 72), width (73) and
// rounding radius (75) in document points, shown divided by the drawing
// scale; the inclination of the rectangle or segment (74) in radians, shown
// in degrees.
void PaletteShowRectLength(float length);
void PaletteShowRectWidth(float width);
void PaletteShowRectAngle(float radians);
void PaletteShowRounding(float rounding);

// The measurement fields of the current tool from the tool state, at the end
// of a gesture.
void PaletteShowMeasurements();

// The sector flag changed: pictures and tooltips of buttons 53 to 55 and the
// check mark of the flyout entry "Secteur".
void PaletteShowSectorFlag();

// Redraws the whole palette.
void PaletteRedraw();

}  // namespace qzv
