// Session commands that act on dialogs as a user would. DIALOG is a dialog's
// name or title; while a modal dialog is open only it takes input.
//
//   item DIALOG ID VALUE        type into a field: a number in the field's units
//                               (or with a suffix: "5 mm", "1 in", "30°"), held
//                               within its range; text as is in a text field
//   press DIALOG ID [MODS]      click a button, check box, radio or picture
//   check DIALOG ID on|off      tick or untick (a radio button only ticks)
//   choose DIALOG ID ENTRY      a popup's or flyout's entry, by its text, else
//                               by position ("@2" or a bare number); the ID
//                               "flyout" names the dialog's flyout menu
//   step DIALOG ID up|down [large]   a spin edit's arrows
//   track DIALOG ID down|drag|up|move X Y [MODS]   a mouse event in item pixels
//   close DIALOG                the close box
//   snapshot DIALOG FILE.png    the dialog as drawn
//   screen W H                  the screen size the plug-in measures
// MODS is a sum of modifier bits: 8 shift, 16 control, 32 option, 64 command,
// 128 space, 256 double click.
#include "dialogs/basic_services.h"
#include "dialogs/dialog_manager.h"
#include "frame/host.h"
#include "frame/script.h"

namespace drawhost {

namespace {

void Echo(const ScriptArgs& a) {
    std::string line = "> " + a.Command();
    for (size_t i = 0; i < a.Count(); ++i) {
        const std::string& w = a.Str(i);
        line += w.find(' ') == std::string::npos && !w.empty() ? " " + w : " \"" + w + "\"";
    }
    HostLog(line);
}

DlgDialog& DialogArg(const ScriptArgs& a, size_t i) {
    DlgDialog* d = DlgDialogByName(a.Str(i));
    if (!d) throw ScriptError("no dialog named '" + a.Str(i) + "'");
    return *d;
}

// An item by its id; the word "flyout" names the dialog's flyout menu.
DlgHandle ItemArg(const ScriptArgs& a, size_t dialogAt) {
    DlgDialog& d = DialogArg(a, dialogAt);
    int id = a.Str(dialogAt + 1) == "flyout" ? kDlgFlyoutMenuItemID : a.Int(dialogAt + 1);
    DlgItem* item = DlgItemById(d, id);
    if (!item) throw ScriptError("dialog '" + d.name + "' has no item " + std::to_string(id));
    return item->handle;
}

int32_t Modifiers(const ScriptArgs& a, size_t i) {
    if (a.Count() <= i) return 0;
    int m = a.Int(i);
    if (m < 0) throw ScriptError("modifiers are a sum of bits, not " + a.Str(i));
    return m;
}

// A refused action is a bad line: nothing changed.
void Check(const std::string& refusal) {
    if (!refusal.empty()) throw ScriptError(refusal);
}

int32_t Action(const std::string& word) {
    if (word == "down") return kTrackButtonDown;
    if (word == "drag") return kTrackDrag;
    if (word == "up") return kTrackButtonUp;
    if (word == "move") return kTrackMove;
    throw ScriptError("expected down, drag, up or move, not '" + word + "'");
}

CommandRegistrar item("item", "item DIALOG ID VALUE", [](const ScriptArgs& a) {
    a.Expect(3);
    Echo(a);
    Check(DlgUserEnter(ItemArg(a, 0), a.Str(2)));
});

CommandRegistrar press("press", "press DIALOG ID [MODIFIERS]", [](const ScriptArgs& a) {
    a.Expect(2, 3);
    Echo(a);
    Check(DlgUserPress(ItemArg(a, 0), Modifiers(a, 2)));
});

CommandRegistrar check("check", "check DIALOG ID on|off", [](const ScriptArgs& a) {
    a.Expect(3);
    Echo(a);
    Check(DlgUserCheck(ItemArg(a, 0), a.OnOff(2)));
});

CommandRegistrar choose("choose", "choose DIALOG ID ENTRY-TEXT|@POSITION", [](const ScriptArgs& a) {
    a.Expect(3);
    Echo(a);
    Check(DlgUserChoose(ItemArg(a, 0), a.Str(2)));
});

CommandRegistrar step("step", "step DIALOG ID up|down [large]", [](const ScriptArgs& a) {
    a.Expect(3, 4);
    Echo(a);
    const std::string& dir = a.Str(2);
    if (dir != "up" && dir != "down") throw ScriptError("expected up or down, not '" + dir + "'");
    if (a.Count() == 4 && a.Str(3) != "large") throw ScriptError("expected large, not '" + a.Str(3) + "'");
    Check(DlgUserStep(ItemArg(a, 0), dir == "up", a.Count() == 4));
});

CommandRegistrar track("track", "track DIALOG ID down|drag|up|move X Y [MODIFIERS]", [](const ScriptArgs& a) {
    a.Expect(5, 6);
    Echo(a);
    DlgHandle item = ItemArg(a, 0);
    int32_t action = Action(a.Str(2));
    Check(DlgUserTrack(item, action, IntPoint{a.Int(3), a.Int(4)}, Modifiers(a, 5)));
});

CommandRegistrar close("close", "close DIALOG", [](const ScriptArgs& a) {
    a.Expect(1);
    Echo(a);
    Check(DlgUserClose(DialogArg(a, 0).handle));
});

CommandRegistrar snapshot("snapshot", "snapshot DIALOG FILE.png", [](const ScriptArgs& a) {
    a.Expect(2);
    std::string error;
    if (!DlgSnapshot(DialogArg(a, 0).handle, a.Str(1), &error)) throw ScriptError("snapshot: " + error);
});

CommandRegistrar screen("screen", "screen WIDTH HEIGHT", [](const ScriptArgs& a) {
    a.Expect(2);
    int w = a.Int(0), h = a.Int(1);
    if (w <= 0 || h <= 0 || w > 100000 || h > 100000) throw ScriptError("the screen needs a size of 1 to 100000 pixels");
    DlgSetScreen(w, h);
});

}  // namespace

}  // namespace drawhost
