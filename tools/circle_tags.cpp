#include "tools/circle_tags.h"

#include "geometry/host/shape_art.h"
#include "host/suites.h"
#include "plugin/globals.h"

namespace qzv {

namespace {

HostErr SetNumberTag(ArtHandle path, const char* name, float value) {
    char text[48];
    CircleTagText(value, text, sizeof text);
    return sTag->SetTag(path, name, kTagTypeString, text);
}

}  // namespace

void CircleTagText(float value, char* buffer, int32_t size) {
    if (size > 0) buffer[0] = 0;
    if (sDlgBasic) sDlgBasic->ValueToText(value, buffer, size, kUnitsNone, 2);
}

HostErr WriteCircleTags() {
    if (!sTag) return kErrSuiteNotFound;
    const Globals* g = gGlobals;
    const ToolState& t = g->tool;
    const ArtHandle path = t.art.constructionPath;
    if (!ArtExists(path)) return kNoErr;
    HostErr err = sTag->SetTag(path, kTagTool, kTagTypeString, "a");
    if (!err) err = SetNumberTag(path, kTagRadius, t.radius);
    if (!err) {
        if (g->settings.working.Centre) err = sTag->SetTag(path, kTagCentreCross, kTagTypeString, kTagYes);
        else if (sTag->RemoveTag(path, kTagCentreCross) == kErrNotFound) err = kNoErr;
    }
    if (!err) err = SetNumberTag(path, kTagCentreH, t.centre.h);
    if (!err) err = SetNumberTag(path, kTagCentreV, t.centre.v);
    return err;
}

}  // namespace qzv
