#include "plugin/registration.h"

#include <string.h>

#include "host/host_text.h"
#include "host/suites.h"
#include "plugin/about_box.h"
#include "plugin/about_plugins_helper.h"
#include "plugin/globals.h"
#include "resources/resource_ids.h"
#include "settings/settings.h"

namespace qzv {

namespace {

constexpr const char* kAboutGroupName = "SDKAboutPluginsGroupName";
constexpr const char* kAboutSubMenuText = "À propos des QZV•Outils…";
constexpr const char* kAboutItemText = "QZV•Orbiquad…";
constexpr const char* kFamilyGroupName = "QZVOutils";
constexpr const char* kFamilyItemText = "QZV.Outils";
constexpr const char* kPaletteItemKey = "Outil5";

// A tool number by name, or kToolNoGroup when the host has no such tool.
int32_t ToolNumberOr(const char* name, int32_t fallback) {
    int32_t number = 0;
    return sTool->GetToolNumberFromName(name, &number) == kNoErr ? number : fallback;
}

}  // namespace

HostErr RegisterMenus(MessageHeader* message) {
    Globals* g = gGlobals;
    PluginRef plugin = message->plugin;
    {
        SDKAboutPluginsHelper aboutHelper(message->basic);
        aboutHelper.AddAboutPluginsMenuItem(plugin, kAboutGroupName, kAboutSubMenuText, "QZVOrbiquadAbout",
                                            kAboutItemText, &g->aboutMenuItem);
    }

    // A group whose name starts with "QZV": a plug-in of the family has made
    // the shared sub-menu already.
    bool familyExists = false;
    HostErr err = MenuGroupExists(sMenu, "QZV", true, &familyExists);
    if (err != kNoErr) return err;
    if (!familyExists) {
        MenuItemHandle familyItem = nullptr;
        err = sMenu->AddMenuItem(plugin, kFamilyGroupName, kToolPalettesMenuGroup, kFamilyItemText, 0, &familyItem);
        if (err != kNoErr) return err;
        MenuGroupHandle group = nullptr;
        sMenu->AddMenuGroupAsSubMenu(kFamilyGroupName, kMenuGroupSubMenu, familyItem, &group);
    }
    return sMenu->AddMenuItem(plugin, kPaletteItemKey, kFamilyGroupName, kShowPaletteText, 0, &g->paletteMenuItem);
}

HostErr RegisterTools(MessageHeader* message) {
    Globals* g = gGlobals;
    PluginRef plugin = message->plugin;

    // The tools' placement depends on a setting: read them first.
    SetFactorySettings(g->settings);
    if (IsFirstStart())
        ApplyDefaultSettings(g->settings);
    else
        ReadSettings(g->settings);
    ResetWorkingValues(g->settings);

    char circleTitle[256] = "";
    for (int i = 0; i < 2; ++i) {
        char title[256], tip[256];
        HostIndexString(plugin, kStrToolNames, 2 * i + 1, title, sizeof title);
        HostIndexString(plugin, kStrToolNames, 2 * i + 2, tip, sizeof tip);

        IconRef icon = sIcon->GetFromResource(plugin, kIconTool, i);
        if (sIcon->GetType(icon) == kIconUnknown) return kErrIconMissing;

        ToolData data = {title, tip, icon, kToolNoGroup, kToolNoGroup};
        if (i == 0) {
            if (g->settings.general.OutilsGroupe) {
                data.sameGroupAs = data.sameToolsetAs = ToolNumberOr("Eyedropper Tool", kToolNoGroup);
            } else {
                // Join a sibling tool of the family when one is installed.
                data.sameGroupAs = ToolNumberOr("Outil Pivard", ToolNumberOr("Outil Lestrin", kToolNoGroup));
            }
            strcpy(circleTitle, title);
        } else {
            data.sameGroupAs = data.sameToolsetAs = ToolNumberOr(circleTitle, kToolNoGroup);
        }

        HostErr err = sTool->AddTool(plugin, title, &data, kToolWantsTracking, &g->tools[i]);
        if (err != kNoErr) return err;
        sTool->SetSecondIcon(g->tools[i], sIcon->GetFromResource(plugin, kIconToolSecond, i));
    }
    return kNoErr;
}

HostErr RegisterNotifiers(MessageHeader* message) {
    NotifierHandle selectionChanged = nullptr;
    sNotifier->AddNotifier(message->plugin, "notifierName", kNotifyArtSelectionChanged, &selectionChanged);
    return sNotifier->AddNotifier(message->plugin, "notifierName", kNotifyApplicationStarted,
                                  &gGlobals->appStartedNotifier);
}

HostErr RegisterAnnotator(MessageHeader* message) {
    HostErr err = sAnnotator->AddAnnotator(message->plugin, "QZVAnno", &gGlobals->annotator);
    if (err != kNoErr) return err;
    return sAnnotator->SetAnnotatorActive(gGlobals->annotator, 0);
}

HostErr UpdatePaletteMenuText(bool paletteVisible) {
    char text[40];
    strncpy(text, paletteVisible ? kHidePaletteText : kShowPaletteText, sizeof text - 1);
    text[sizeof text - 1] = 0;
    return sMenu->SetItemText(gGlobals->paletteMenuItem, text);
}

HostErr MenuCommand(MenuMessage* message) {
    Globals* g = gGlobals;
    if (message->menuItem == g->paletteMenuItem) {
        // Without a palette there is nothing to show or hide.
        if (!g->palette) return kNoErr;
        bool visible = !sDialog->IsVisible(g->palette);
        sDialog->Show(g->palette, visible);
        if (visible) {
            int32_t tool = g->currentTool == kToolNeither ? g->lastTool : g->currentTool;
            if (tool == kToolCircle || tool == kToolRect) sTool->SetSelectedTool(g->tools[tool - 1]);
        }
        return UpdatePaletteMenuText(visible);
    }
    if (message->menuItem == g->aboutMenuItem) return OpenAboutBox(message->d.plugin);
    return kNoErr;
}

}  // namespace qzv
