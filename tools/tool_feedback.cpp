#include "tools/tool_feedback.h"

#include "host/suites.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

// Which step counters a row applies to.
enum class Steps { kAny, kZero, kAtLeastOne, kOne, kOther };
// Which corner radii a row applies to (rectangle modes 1 and 4).
enum class Corner { kAny, kRounded, kInverted, kSquare };

struct FeedbackRow {
    int32_t tool;
    int32_t mode;
    Steps steps;
    Corner corner;
    ModeFeedback shown;
};

// Read top to bottom; the first row that matches is shown.
constexpr FeedbackRow kFeedbackTable[] = {
    {kToolCircle, 0, Steps::kZero, Corner::kAny, {16002, "Clic sur le centre du cercle."}},
    {kToolCircle, 0, Steps::kAtLeastOne, Corner::kAny, {16001, "Clic sur un point de la circonférence."}},
    {kToolCircle, 1, Steps::kZero, Corner::kAny, {17001, "Clic sur le premier point du cercle."}},
    {kToolCircle, 1, Steps::kAtLeastOne, Corner::kAny, {17002, "Clic sur le second point du cercle."}},
    {kToolCircle, 2, Steps::kZero, Corner::kAny, {18001, "Clic sur le premier point du cercle."}},
    {kToolCircle, 2, Steps::kOne, Corner::kAny, {18002, "Clic sur le second point du cercle."}},
    {kToolCircle, 2, Steps::kOther, Corner::kAny, {18003, "Clic sur le troisième point du cercle."}},
    {kToolCircle, 3, Steps::kZero, Corner::kAny, {19100, "Clic sur le centre de l'arc/secteur."}},
    {kToolCircle, 3, Steps::kAtLeastOne, Corner::kAny, {19101, "Tirez jusqu'à la fin de l'arc/secteur."}},
    {kToolCircle, 4, Steps::kZero, Corner::kAny, {19101, "Clic sur le début de l'arc/secteur."}},
    {kToolCircle, 4, Steps::kAtLeastOne, Corner::kAny, {19200, "Clic sur la fin de l'arc/secteur."}},
    {kToolCircle, 5, Steps::kZero, Corner::kAny, {19102, "Clic sur le premier point de l'arc/secteur."}},
    {kToolCircle, 5, Steps::kOne, Corner::kAny, {19103, "Clic sur le second point de l'arc/secteur."}},
    {kToolCircle, 5, Steps::kOther, Corner::kAny, {19104, "Clic sur le troisième point de l'arc/secteur."}},
    {kToolCircle, 6, Steps::kZero, Corner::kAny, {20001, "Clic sur un segment."}},
    {kToolCircle, 6, Steps::kAtLeastOne, Corner::kAny, {20000, "Clic sur le centre du cercle."}},
    {kToolCircle, 7, Steps::kAny, Corner::kAny, {20002, "Clic sur un segment."}},
    {kToolCircle, 8, Steps::kAny, Corner::kAny, {20003, "Clic sur un segment."}},
    {kToolRect, 0, Steps::kAny, Corner::kAny, {21000, "Cliquer-Tirer rectangle normal."}},
    {kToolRect, 1, Steps::kAny, Corner::kRounded, {21001, "Cliquer-Tirer rectangle arrondi."}},
    {kToolRect, 1, Steps::kAny, Corner::kInverted, {21002, "Cliquer-Tirer rectangle arrondi inversé."}},
    {kToolRect, 1, Steps::kAny, Corner::kSquare, {21000, "Cliquer-Tirer rectangle normal."}},
    {kToolRect, 2, Steps::kAny, Corner::kAny, {21003, "Cliquer-Tirer segment."}},
    {kToolRect, 3, Steps::kAny, Corner::kAny, {21000, "Cliquer-Tirer rectangle centré."}},
    {kToolRect, 4, Steps::kAny, Corner::kRounded, {21001, "Rectangle centré arrondi."}},
    {kToolRect, 4, Steps::kAny, Corner::kInverted, {21002, "Rectangle centré arrondi inversé."}},
    {kToolRect, 4, Steps::kAny, Corner::kSquare, {21000, "Cliquer-Tirer rectangle normal."}},
    {kToolRect, 5, Steps::kAny, Corner::kAny, {21003, "Cliquer-Tirer segment centré."}},
};

bool StepsMatch(Steps steps, int16_t step) {
    switch (steps) {
        case Steps::kAny: return true;
        case Steps::kZero: return step == 0;
        case Steps::kAtLeastOne: return step >= 1;
        case Steps::kOne: return step == 1;
        case Steps::kOther: return step != 0 && step != 1;
    }
    return false;
}

// A NaN radius is neither rounded nor inverted: the square-corner row.
bool CornerMatches(Corner corner, float radius) {
    switch (corner) {
        case Corner::kAny: return true;
        case Corner::kRounded: return radius > 0.0f;
        case Corner::kInverted: return radius < 0.0f;
        case Corner::kSquare: return !(radius > 0.0f) && !(radius < 0.0f);
    }
    return false;
}

}  // namespace

ModeFeedback ToolModeFeedback(int32_t tool, int32_t mode, int16_t step, float cornerRadius) {
    const int32_t which = tool == kToolRect ? kToolRect : kToolCircle;
    const FeedbackRow* first = nullptr;
    for (const FeedbackRow& row : kFeedbackTable) {
        if (row.tool != which) continue;
        if (!first) first = &row;
        if (row.mode == mode && StepsMatch(row.steps, step) && CornerMatches(row.corner, cornerRadius))
            return row.shown;
    }
    return first->shown;
}

void ToolShowInfo(ToolHandle tool, RealPoint cursor, const char* text) {
    if (!sTool) return;
    static constexpr int32_t kVars[] = {kInfoCursorH, kInfoCursorV, kInfoText, kInfoEnd};
    const void* const values[] = {&cursor.h, &cursor.v, text};
    sTool->SetToolInfoVars(tool, kVars, values);
}

void ToolSetCursor(PluginRef plugin, int32_t cursorId) {
    if (sDlgBasic) sDlgBasic->SetPlatformCursor(plugin, cursorId);
}

}  // namespace qzv
