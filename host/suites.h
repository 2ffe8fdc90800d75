// The host suites the plug-in holds while it handles a message. Each pointer
// is null outside the acquisition bracket of the entry point (and after a
// failed acquisition for the entries not reached).
#pragma once
#include "sdk_all.h"

namespace qzv {

extern const BasicSuite* sBasic;                 // copied from every message

extern const BlocksSuite* sBlocks;
extern const AccessSuite* sAccess;
extern const OpaqueSuite* sPluginSuite;
extern const OpaqueSuite* sMdMemory;
extern const RealMathSuite* sRealMath;
extern const ArtSuite* sArt;
extern const OpaqueSuite* sUser;
extern const PathSuite* sPath;
extern const PathStyleSuite* sPathStyle;
extern const OpaqueSuite* sUndo;
extern const AnnotatorSuite* sAnnotator;
extern const MenuSuite* sMenu;
extern const ToolSuite* sTool;
extern const NotifierSuite* sNotifier;
extern const DlgBasicSuite* sDlgBasic;
extern const DlgDialogSuite* sDialog;
extern const DlgItemSuite* sItem;
extern const DlgIconSuite* sIcon;                // version 1
extern const DlgIconSuite2* sIcon2;              // version 2
extern const DlgTrackerSuite* sTracker;          // acquired twice (two table entries)
extern const DlgDrawerSuite* sDrawer;
extern const UnicodeStringSuite* sUnicodeString;
extern const PreferenceSuite* sPreference;
extern const ContextSuite* sContext;
extern const DlgGroupSuite* sDialogGroup;
extern const DlgListSuite* sList;
extern const DlgEntrySuite* sEntry;
extern const DlgNotifierSuite* sDlgNotifier;
extern const CursorSnapSuite* sCursorSnap;
extern const DocumentViewSuite* sDocumentView;
extern const MatchingArtSuite* sMatchingArt;
extern const TagSuite* sTag;
extern const LayerSuite* sLayer;
extern const RealBezierSuite* sRealBezier;
extern const HitTestSuite* sHitTest;
extern const TransformArtSuite* sTransformArt;
extern const OpaqueSuite* sTextFrame;
extern const OpaqueSuite* sRuntime;
extern const OpaqueSuite* sFont;
extern const OpaqueSuite* sATEPaint;
extern const OpaqueSuite* sURL;
extern const PatternSuite* sPattern;
extern const DocumentSuite* sDocument;
extern const RandomSuite* sRandom;

// The text-engine suites, acquired only: 74 entries after the random suite.
enum { kTextEngineSuiteCount = 74 };
extern const OpaqueSuite* sTextEngine[kTextEngineSuiteCount];

}  // namespace qzv
