#include "plugin/suite_table.h"

#include <stdio.h>

#include "host/suites.h"

namespace qzv {

int16_t gSuiteNesting = 0;

#define ENTRY(name, version, ptr) {name, version, reinterpret_cast<const void**>(&ptr)}
#define TEXT_ENGINE(name, version, i) {"ATE " name " Suite", version, reinterpret_cast<const void**>(&sTextEngine[i])}

const SuiteEntry kSuiteTable[kSuiteTableSize] = {
    ENTRY(kBlocksSuiteName, kBlocksSuiteVersion, sBlocks),                    // 1
    ENTRY(kAccessSuiteName, kAccessSuiteVersion, sAccess),
    ENTRY(kPluginSuiteName, kPluginSuiteVersion, sPluginSuite),
    ENTRY(kMdMemorySuiteName, kMdMemorySuiteVersion, sMdMemory),
    ENTRY(kRealMathSuiteName, kRealMathSuiteVersion, sRealMath),              // 5
    ENTRY(kArtSuiteName, kArtSuiteVersion, sArt),
    ENTRY(kUserSuiteName, kUserSuiteVersion, sUser),
    ENTRY(kPathSuiteName, kPathSuiteVersion, sPath),
    ENTRY(kPathStyleSuiteName, kPathStyleSuiteVersion, sPathStyle),
    ENTRY(kUndoSuiteName, kUndoSuiteVersion, sUndo),                          // 10
    ENTRY(kAnnotatorSuiteName, kAnnotatorSuiteVersion, sAnnotator),
    ENTRY(kMenuSuiteName, kMenuSuiteVersion, sMenu),
    ENTRY(kToolSuiteName, kToolSuiteVersion, sTool),
    ENTRY(kNotifierSuiteName, kNotifierSuiteVersion, sNotifier),
    ENTRY(kDlgBasicSuiteName, kDlgBasicSuiteVersion, sDlgBasic),              // 15
    ENTRY(kDlgDialogSuiteName, kDlgDialogSuiteVersion, sDialog),
    ENTRY(kDlgItemSuiteName, kDlgItemSuiteVersion, sItem),
    ENTRY(kDlgIconSuiteName, kDlgIconSuiteVersion1, sIcon),
    ENTRY(kDlgIconSuiteName, kDlgIconSuiteVersion2, sIcon2),
    ENTRY(kDlgTrackerSuiteName, kDlgTrackerSuiteVersion, sTracker),           // 20
    ENTRY(kDlgDrawerSuiteName, kDlgDrawerSuiteVersion, sDrawer),
    ENTRY(kUnicodeStringSuiteName, kUnicodeStringSuiteVersion, sUnicodeString),
    ENTRY(kPreferenceSuiteName, kPreferenceSuiteVersion, sPreference),
    ENTRY(kContextSuiteName, kContextSuiteVersion, sContext),
    ENTRY(kDlgGroupSuiteName, kDlgGroupSuiteVersion, sDialogGroup),           // 25
    ENTRY(kDlgListSuiteName, kDlgListSuiteVersion, sList),
    ENTRY(kDlgEntrySuiteName, kDlgEntrySuiteVersion, sEntry),
    ENTRY(kDlgNotifierSuiteName, kDlgNotifierSuiteVersion, sDlgNotifier),
    ENTRY(kDlgTrackerSuiteName, kDlgTrackerSuiteVersion, sTracker),           // 29: same as 20
    ENTRY(kCursorSnapSuiteName, kCursorSnapSuiteVersion, sCursorSnap),        // 30
    ENTRY(kDocumentViewSuiteName, kDocumentViewSuiteVersion, sDocumentView),
    ENTRY(kMatchingArtSuiteName, kMatchingArtSuiteVersion, sMatchingArt),
    ENTRY(kTagSuiteName, kTagSuiteVersion, sTag),
    ENTRY(kLayerSuiteName, kLayerSuiteVersion, sLayer),
    ENTRY(kRealBezierSuiteName, kRealBezierSuiteVersion, sRealBezier),        // 35
    ENTRY(kHitTestSuiteName, kHitTestSuiteVersion, sHitTest),
    ENTRY(kTransformArtSuiteName, kTransformArtSuiteVersion, sTransformArt),
    ENTRY(kTextFrameSuiteName, kTextFrameSuiteVersion, sTextFrame),
    ENTRY(kRuntimeSuiteName, kRuntimeSuiteVersion, sRuntime),
    ENTRY(kFontSuiteName, kFontSuiteVersion, sFont),                          // 40
    ENTRY(kATEPaintSuiteName, kATEPaintSuiteVersion, sATEPaint),
    ENTRY(kURLSuiteName, kURLSuiteVersion, sURL),
    ENTRY(kPatternSuiteName, kPatternSuiteVersion, sPattern),
    ENTRY(kDocumentSuiteName, kDocumentSuiteVersion, sDocument),
    ENTRY(kRandomSuiteName, kRandomSuiteVersion, sRandom),                    // 45
    TEXT_ENGINE("ApplicationPaint", 1, 0),
    TEXT_ENGINE("CompFont", 1, 1),
    TEXT_ENGINE("CompFontClass", 1, 2),
    TEXT_ENGINE("CompFontClassSet", 1, 3),
    TEXT_ENGINE("CompFontComponent", 1, 4),                                   // 50
    TEXT_ENGINE("CompFontSet", 1, 5),
    TEXT_ENGINE("GlyphRun", 1, 6),
    TEXT_ENGINE("GlyphRunsIterator", 1, 7),
    TEXT_ENGINE("MojiKumi", 1, 8),
    TEXT_ENGINE("MojiKumiSet", 1, 9),
    TEXT_ENGINE("TextFrame", 101, 10),
    TEXT_ENGINE("TextFramesIterator", 1, 11),
    TEXT_ENGINE("TextLine", 1, 12),
    TEXT_ENGINE("TextLinesIterator", 1, 13),
    TEXT_ENGINE("TextResources", 1, 14),                                      // 60
    TEXT_ENGINE("ApplicationTextResources", 1, 15),
    TEXT_ENGINE("DocumentTextResources", 101, 16),
    TEXT_ENGINE("ArrayApplicationPaintRef", 1, 17),
    TEXT_ENGINE("ArrayReal", 1, 18),
    TEXT_ENGINE("ArrayBool", 1, 19),
    TEXT_ENGINE("ArrayInteger", 1, 20),
    TEXT_ENGINE("ArrayLineCapType", 1, 21),
    TEXT_ENGINE("ArrayFigureStyle", 1, 22),
    TEXT_ENGINE("ArrayLineJoinType", 1, 23),
    TEXT_ENGINE("ArrayWariChuJustification", 1, 24),                          // 70
    TEXT_ENGINE("ArrayStyleRunAlignment", 1, 25),
    TEXT_ENGINE("ArrayAutoKernType", 1, 26),
    TEXT_ENGINE("ArrayBaselineDirection", 1, 27),
    TEXT_ENGINE("ArrayLanguage", 1, 28),
    TEXT_ENGINE("ArrayFontCapsOption", 1, 29),
    TEXT_ENGINE("ArrayFontBaselineOption", 1, 30),
    TEXT_ENGINE("ArrayParagraphJustification", 1, 31),
    TEXT_ENGINE("ArrayArrayReal", 1, 32),
    TEXT_ENGINE("ArrayBurasagariType", 1, 33),
    TEXT_ENGINE("ArrayPreferredKinsokuOrder", 1, 34),                         // 80
    TEXT_ENGINE("ArrayKinsokuRef", 1, 35),
    TEXT_ENGINE("ArrayMojiKumiRef", 1, 36),
    TEXT_ENGINE("ArrayMojiKumiSetRef", 1, 37),
    TEXT_ENGINE("ArrayTabStopsRef", 1, 38),
    TEXT_ENGINE("ArrayLeadingType", 1, 39),
    TEXT_ENGINE("ArrayFontRef", 1, 40),
    TEXT_ENGINE("ArrayGlyphID", 1, 41),
    TEXT_ENGINE("ArrayRealPoint", 1, 42),
    TEXT_ENGINE("ArrayRealMatrix", 1, 43),
    TEXT_ENGINE("CharFeatures", 101, 44),                                     // 90
    TEXT_ENGINE("CharInspector", 101, 45),
    TEXT_ENGINE("CharStyle", 1, 46),
    TEXT_ENGINE("CharStyles", 1, 47),
    TEXT_ENGINE("CharStylesIterator", 1, 48),
    TEXT_ENGINE("Find", 101, 49),
    TEXT_ENGINE("Font", 1, 50),
    TEXT_ENGINE("Glyph", 1, 51),
    TEXT_ENGINE("Glyphs", 1, 52),
    TEXT_ENGINE("GlyphsIterator", 1, 53),
    TEXT_ENGINE("Kinsoku", 1, 54),                                            // 100
    TEXT_ENGINE("KinsokuSet", 1, 55),
    TEXT_ENGINE("ParaFeatures", 101, 56),
    TEXT_ENGINE("Paragraph", 1, 57),
    TEXT_ENGINE("ParagraphsIterator", 1, 58),
    TEXT_ENGINE("ParaInspector", 101, 59),
    TEXT_ENGINE("ParaStyle", 1, 60),
    TEXT_ENGINE("ParaStyles", 1, 61),
    TEXT_ENGINE("ParaStylesIterator", 1, 62),
    TEXT_ENGINE("Spell", 101, 63),
    TEXT_ENGINE("Stories", 1, 64),                                            // 110
    TEXT_ENGINE("Story", 1, 65),
    TEXT_ENGINE("TabStop", 1, 66),
    TEXT_ENGINE("TabStops", 1, 67),
    TEXT_ENGINE("TabStopsIterator", 1, 68),
    TEXT_ENGINE("TextRange", 1, 69),
    TEXT_ENGINE("TextRanges", 1, 70),
    TEXT_ENGINE("TextRangesIterator", 1, 71),
    TEXT_ENGINE("TextRunsIterator", 1, 72),
    TEXT_ENGINE("WordsIterator", 1, 73),                                      // 119
};

#undef ENTRY
#undef TEXT_ENGINE

HostErr SuitesAcquire() {
    HostErr result = kNoErr;
    if (gSuiteNesting == 0) {
        for (int i = 0; i < kSuiteTableSize; ++i) {
            const SuiteEntry& e = kSuiteTable[i];
            HostErr err = sBasic->AcquireSuite(e.name, e.version, e.destination);
            if (err != kNoErr) {
                if (sDlgBasic) {
                    char text[256];
                    snprintf(text, sizeof text, "Error: %d, suite: %s, version: %d!", static_cast<int>(err), e.name,
                             static_cast<int>(e.version));
                    sDlgBasic->MessageAlert(text);
                }
                result = err;
                break;
            }
        }
    }
    ++gSuiteNesting;
    return result;
}

void SuitesRelease() {
    if (gSuiteNesting == 1) {
        for (int i = 0; i < kSuiteTableSize; ++i) {
            const SuiteEntry& e = kSuiteTable[i];
            if (sBasic->ReleaseSuite(e.name, e.version) != kNoErr) break;
            *e.destination = nullptr;
        }
    }
    --gSuiteNesting;
}

}  // namespace qzv
