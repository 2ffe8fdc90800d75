#include "host/suites.h"

namespace qzv {

const BasicSuite* sBasic = nullptr;

const BlocksSuite* sBlocks = nullptr;
const AccessSuite* sAccess = nullptr;
const OpaqueSuite* sPluginSuite = nullptr;
const OpaqueSuite* sMdMemory = nullptr;
const RealMathSuite* sRealMath = nullptr;
const ArtSuite* sArt = nullptr;
const OpaqueSuite* sUser = nullptr;
const PathSuite* sPath = nullptr;
const PathStyleSuite* sPathStyle = nullptr;
const OpaqueSuite* sUndo = nullptr;
const AnnotatorSuite* sAnnotator = nullptr;
const MenuSuite* sMenu = nullptr;
const ToolSuite* sTool = nullptr;
const NotifierSuite* sNotifier = nullptr;
const DlgBasicSuite* sDlgBasic = nullptr;
const DlgDialogSuite* sDialog = nullptr;
const DlgItemSuite* sItem = nullptr;
const DlgIconSuite* sIcon = nullptr;
const DlgIconSuite2* sIcon2 = nullptr;
const DlgTrackerSuite* sTracker = nullptr;
const DlgDrawerSuite* sDrawer = nullptr;
const UnicodeStringSuite* sUnicodeString = nullptr;
const PreferenceSuite* sPreference = nullptr;
const ContextSuite* sContext = nullptr;
const DlgGroupSuite* sDialogGroup = nullptr;
const DlgListSuite* sList = nullptr;
const DlgEntrySuite* sEntry = nullptr;
const DlgNotifierSuite* sDlgNotifier = nullptr;
const CursorSnapSuite* sCursorSnap = nullptr;
const DocumentViewSuite* sDocumentView = nullptr;
const MatchingArtSuite* sMatchingArt = nullptr;
const TagSuite* sTag = nullptr;
const LayerSuite* sLayer = nullptr;
const RealBezierSuite* sRealBezier = nullptr;
const HitTestSuite* sHitTest = nullptr;
const TransformArtSuite* sTransformArt = nullptr;
const OpaqueSuite* sTextFrame = nullptr;
const OpaqueSuite* sRuntime = nullptr;
const OpaqueSuite* sFont = nullptr;
const OpaqueSuite* sATEPaint = nullptr;
const OpaqueSuite* sURL = nullptr;
const PatternSuite* sPattern = nullptr;
const DocumentSuite* sDocument = nullptr;
const RandomSuite* sRandom = nullptr;
const OpaqueSuite* sTextEngine[kTextEngineSuiteCount] = {};

}  // namespace qzv
