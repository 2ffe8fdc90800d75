#include "settings/preferences_scale.h"

namespace qzv {

int32_t PrefsScaleEntryFor(int32_t numerator, int32_t denominator) {
    for (const PrefsScaleEntry& e : kPrefsScaleEntries)
        if (e.numerator != 0 && e.numerator == numerator && e.denominator == denominator) return e.index;
    return kPrefsScaleCustom;
}

bool PrefsCustomScaleUsable(int32_t numerator, int32_t denominator) {
    if (numerator < 1 || denominator < 1) return false;
    return !(numerator == 1 && denominator == 1);
}

}  // namespace qzv
