// The two host path styles derived from the committed paint settings: the
// shape style of every new path and the mark style of centre crosses and
// tangency ticks. Rebuilt whenever the committed settings change.
#pragma once

#include <stdint.h>

#include "host_types.h"
#include "paint_settings.h"

namespace qzv {

// The alert shown when a side's pattern number names no pattern of the
// current document.
inline constexpr const char* kMissingPatternAlert = "Le motif choisi n'est pas disponible.";

// Finds the document's pattern number `number` (from 0); returns null when
// there is none. The context is the caller's.
using PatternLookup = PatternHandle (*)(void* context, int32_t number);

struct DerivedStyles {
    PathStyle shape;
    PathStyle mark;
};

struct StyleReport {
    bool strokePatternMissing;  // the stroke pattern was not found and was turned off
    bool fillPatternMissing;    // likewise for the fill
};

// Rebuilds both styles from the settings.
// Shape style: a side is painted when its paint or its pattern is on. A
// patterned side gets the pattern found through lookup, laid with no shift,
// its scale on both axes, its angle as rotation, no reflection or shear and
// the identity transform. Otherwise an RGB side gets level / 255 per
// component and a gray side gray = level / 100. A painted stroke gets the
// stroke weight; without a pattern it also gets round caps (1), miter joins
// (0) and a miter limit of 10.
// Mark style: no fill; a stroke in the stroke side's RGB or gray colour
// (never a pattern), caps 1, joins 0, miter limit 10, width left to the
// builders (set to the stroke weight here).
// A pattern that lookup cannot find (or a null lookup) is reported, the
// side's pattern flag in settings is turned off and the side falls back to
// its plain colour; each side reports at most once per call, so the caller
// shows kMissingPatternAlert once per reported side.
StyleReport BuildPathStyles(PaintSettings& settings, float strokeWeight, PatternLookup lookup,
                            void* context, DerivedStyles& styles);

// The mark style alone, from the stroke side's colour: used when the
// colours dialog is cancelled and the mark colour is refreshed.
PathStyle BuildMarkStyle(const PaintSettings& settings, float strokeWeight);

// Overwrites the stroke weight of both styles with the weight that applies
// to the path about to be written (shape or mark weight).
void SetStrokeWeights(DerivedStyles& styles, float weight);

}  // namespace qzv
