// The committed paint put to work: the derived styles rebuilt, the palette
// told, and the current shape of the current tool repainted. Used by the
// colours dialog's OK and by the palette's swap of fill and stroke.
#pragma once

namespace qzv {

// Rebuilds both derived styles from the committed paint (a pattern the
// document lacks is warned about once per side and turned off), enables the
// palette's stroke weight (item 8) from the stroke, redraws the palette and
// repaints the current shape.
void ApplyCommittedPaint();

// Exchanges every committed field between fill and stroke and applies the
// result as above (the palette's item 81). Nothing is written to the
// preferences.
void ExchangeFillAndStroke();

// Gives the current shape of the current tool (the circle tool's main path,
// or the rectangle tool's) the shape style with the working stroke weight,
// and its centre cross and tangency ticks the mark style with the mark
// weight. Art that no longer exists is left alone.
void RepaintCurrentShape();

}  // namespace qzv
