// Suites that the host serves but plug-ins only acquire: the text engine,
// undo, fonts and the others nothing calls. Each answers a tag of its own so
// that a test can tell that the right table came back.
#include <string>

#include "frame/host.h"

namespace drawhost {

namespace {

int32_t Tag() { return 0x4F504151; }   // 'OPAQ'
const OpaqueSuite kOpaque = {Tag};

struct OpaqueEntry {
    const char* name;
    int32_t version;
};

// The text-engine suites: "ATE <name> Suite".
const OpaqueEntry kTextEngine[] = {
    {"ApplicationPaint", 1}, {"CompFont", 1}, {"CompFontClass", 1}, {"CompFontClassSet", 1},
    {"CompFontComponent", 1}, {"CompFontSet", 1}, {"GlyphRun", 1}, {"GlyphRunsIterator", 1},
    {"MojiKumi", 1}, {"MojiKumiSet", 1}, {"TextFrame", 101}, {"TextFramesIterator", 1},
    {"TextLine", 1}, {"TextLinesIterator", 1}, {"TextResources", 1}, {"ApplicationTextResources", 1},
    {"DocumentTextResources", 101}, {"ArrayApplicationPaintRef", 1}, {"ArrayReal", 1},
    {"ArrayBool", 1}, {"ArrayInteger", 1}, {"ArrayLineCapType", 1}, {"ArrayFigureStyle", 1},
    {"ArrayLineJoinType", 1}, {"ArrayWariChuJustification", 1}, {"ArrayStyleRunAlignment", 1},
    {"ArrayAutoKernType", 1}, {"ArrayBaselineDirection", 1}, {"ArrayLanguage", 1},
    {"ArrayFontCapsOption", 1}, {"ArrayFontBaselineOption", 1}, {"ArrayParagraphJustification", 1},
    {"ArrayArrayReal", 1}, {"ArrayBurasagariType", 1}, {"ArrayPreferredKinsokuOrder", 1},
    {"ArrayKinsokuRef", 1}, {"ArrayMojiKumiRef", 1}, {"ArrayMojiKumiSetRef", 1},
    {"ArrayTabStopsRef", 1}, {"ArrayLeadingType", 1}, {"ArrayFontRef", 1}, {"ArrayGlyphID", 1},
    {"ArrayRealPoint", 1}, {"ArrayRealMatrix", 1}, {"CharFeatures", 101}, {"CharInspector", 101},
    {"CharStyle", 1}, {"CharStyles", 1}, {"CharStylesIterator", 1}, {"Find", 101}, {"Font", 1},
    {"Glyph", 1}, {"Glyphs", 1}, {"GlyphsIterator", 1}, {"Kinsoku", 1}, {"KinsokuSet", 1},
    {"ParaFeatures", 101}, {"Paragraph", 1}, {"ParagraphsIterator", 1}, {"ParaInspector", 101},
    {"ParaStyle", 1}, {"ParaStyles", 1}, {"ParaStylesIterator", 1}, {"Spell", 101}, {"Stories", 1},
    {"Story", 1}, {"TabStop", 1}, {"TabStops", 1}, {"TabStopsIterator", 1}, {"TextRange", 1},
    {"TextRanges", 1}, {"TextRangesIterator", 1}, {"TextRunsIterator", 1}, {"WordsIterator", 1},
};

const OpaqueEntry kOthers[] = {
    {kPluginSuiteName, kPluginSuiteVersion},       {kMdMemorySuiteName, kMdMemorySuiteVersion},
    {kUserSuiteName, kUserSuiteVersion},           {kUndoSuiteName, kUndoSuiteVersion},
    {kTextFrameSuiteName, kTextFrameSuiteVersion}, {kRuntimeSuiteName, kRuntimeSuiteVersion},
    {kFontSuiteName, kFontSuiteVersion},           {kATEPaintSuiteName, kATEPaintSuiteVersion},
    {kURLSuiteName, kURLSuiteVersion},
};

// Names must outlive registration; keep the composed text-engine names here.
struct Registration {
    Registration() {
        static std::string names[sizeof kTextEngine / sizeof kTextEngine[0]];
        size_t i = 0;
        for (const OpaqueEntry& e : kTextEngine) {
            names[i] = std::string("ATE ") + e.name + " Suite";
            HostAddSuite(names[i].c_str(), e.version, &kOpaque);
            ++i;
        }
        for (const OpaqueEntry& e : kOthers) HostAddSuite(e.name, e.version, &kOpaque);
    }
} registration;

}  // namespace

}  // namespace drawhost
