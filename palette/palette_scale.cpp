#include "palette/palette_scale.h"

#include <string.h>

#include "host/suites.h"
#include "palette/palette_ids.h"
#include "palette/palette_procs.h"
#include "plugin/globals.h"

namespace qzv {

const ScaleEntry kScaleEntries[] = {
    {0, ScaleEntryKind::kFixed, "1/100", 1, 100},
    {1, ScaleEntryKind::kFixed, "1/50", 1, 50},
    {2, ScaleEntryKind::kFixed, "1/25", 1, 25},
    {3, ScaleEntryKind::kFixed, "1/10", 1, 10},
    {4, ScaleEntryKind::kFixed, "1/5", 1, 5},
    {5, ScaleEntryKind::kFixed, "1/4", 1, 4},
    {6, ScaleEntryKind::kFixed, "1/3", 1, 3},
    {7, ScaleEntryKind::kFixed, "1/2", 1, 2},
    {8, ScaleEntryKind::kSeparator, nullptr, 0, 0},
    {9, ScaleEntryKind::kFixed, "1", 1, 1},
    {10, ScaleEntryKind::kSeparator, nullptr, 0, 0},
    {11, ScaleEntryKind::kFixed, "2/1", 2, 1},
    {12, ScaleEntryKind::kFixed, "3/1", 3, 1},
    {13, ScaleEntryKind::kFixed, "4/1", 4, 1},
    {14, ScaleEntryKind::kFixed, "5/1", 5, 1},
    {15, ScaleEntryKind::kFixed, "10/1", 10, 1},
    {16, ScaleEntryKind::kFixed, "25/1", 25, 1},
    {17, ScaleEntryKind::kFixed, "50/1", 50, 1},
    {18, ScaleEntryKind::kFixed, "100/1", 100, 1},
    {19, ScaleEntryKind::kSeparator, nullptr, 0, 0},
    {kScaleEntryCustomDialog, ScaleEntryKind::kOpenDialog, "Éch. Perso…", 0, 0},
    {kScaleEntryCustom, ScaleEntryKind::kCustom, nullptr, 0, 0},
};
const int kScaleEntryCount = sizeof kScaleEntries / sizeof kScaleEntries[0];

int32_t ScaleEntryFor(int32_t numerator, int32_t denominator) {
    for (const ScaleEntry& e : kScaleEntries)
        if (e.kind == ScaleEntryKind::kFixed && e.numerator == numerator && e.denominator == denominator)
            return e.id;
    return kScaleEntryCustom;
}

void TrimZeroFraction(char* text) {
    char* mark = strpbrk(text, ",.");
    if (!mark) return;
    char* end = text + strlen(text);
    while (end > mark + 1 && end[-1] == '0') --end;
    if (end == mark + 1) end = mark;   // nothing but zeros after the mark
    *end = 0;
}

void CustomScaleText(int32_t numerator, int32_t denominator, char* buffer, int32_t size) {
    if (!buffer || size <= 0) return;
    buffer[0] = 0;
    if (numerator == 0 && denominator == 0) {
        strncpy(buffer, "…/…", static_cast<size_t>(size) - 1);
        buffer[size - 1] = 0;
        return;
    }
    char top[32] = "", bottom[32] = "";
    sDlgBasic->ValueToText(static_cast<float>(numerator), top, sizeof top, kUnitsNone, 5);
    sDlgBasic->ValueToText(static_cast<float>(denominator), bottom, sizeof bottom, kUnitsNone, 5);
    TrimZeroFraction(top);
    TrimZeroFraction(bottom);
    const size_t room = static_cast<size_t>(size) - 1;
    strncat(buffer, top, room);
    strncat(buffer, "/", room - strlen(buffer));
    strncat(buffer, bottom, room - strlen(buffer));
}

void FillScalePopup(ListRef list) {
    const Settings& s = gGlobals->settings;
    for (const ScaleEntry& e : kScaleEntries) {
        EntryRef entry = sList->InsertEntry(list, sList->NumberOfEntries(list));
        sEntry->SetID(entry, e.id);
        switch (e.kind) {
            case ScaleEntryKind::kSeparator:
                sEntry->MakeSeparator(entry, 1);
                break;
            case ScaleEntryKind::kCustom: {
                char text[80];
                CustomScaleText(s.EchelleNumPerso, s.EchelleDenPerso, text, sizeof text);
                sEntry->SetText(entry, text);
                break;
            }
            case ScaleEntryKind::kFixed:
            case ScaleEntryKind::kOpenDialog:
                sEntry->SetText(entry, e.text);
                break;
        }
    }
}

void PaletteSelectScaleEntry() {
    ItemRef popup = PaletteItem(kItemScale);
    ListRef list = popup ? sItem->GetList(popup) : nullptr;
    if (list) {
        const WorkingValues& w = gGlobals->settings.working;
        const int32_t count = sList->NumberOfEntries(list);
        for (int32_t i = 0; i < count; ++i) sEntry->Check(sList->IndexEntry(list, i), 0);
        EntryRef picked = sList->FindEntry(list, ScaleEntryFor(w.EchelleNum, w.EchelleDen));
        sEntry->Check(picked, 1);
        sEntry->Select(picked, 1);
    }
    ItemShow(kItemScaleIndicator, PaletteScaleFactor() != 1.0f);
}

}  // namespace qzv
