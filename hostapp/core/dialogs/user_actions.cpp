// What a user does to a dialog: type into a field, press a button, tick a
// box, choose a popup entry, drag in an item, close the window. Each action
// is refused, with the reason and without any change, when a user could not
// do it: the dialog hidden or behind a modal one, the item hidden, disabled
// or of another kind, a text that is not a number.
#include <cmath>

#include "dialogs/dialog_manager.h"
#include "dialogs/number_text.h"
#include "frame/host.h"

namespace drawhost {

namespace {

std::string Quote(const std::string& s) { return "'" + s + "'"; }

std::string Describe(const DlgItem& item) {
    const DlgDialog* d = TheDlgState().dialogs.Find(item.dialog);
    return "item " + std::to_string(item.id) + " of " + Quote(d ? d->name : "?");
}

std::string DialogRefusal(const DlgDialog& d) {
    if (const DlgDialog* top = DlgTopModal(); top && top != &d)
        return "dialog " + Quote(d.name) + " is behind the modal dialog " + Quote(top->name);
    if (!d.visible) return "dialog " + Quote(d.name) + " is hidden";
    return {};
}

// The item, when a user can reach it; else null with *why.
DlgItem* Reachable(DlgHandle h, std::string* why) {
    DlgItem* item = TheDlgState().items.Find(h);
    if (!item) {
        *why = "no such item";
        return nullptr;
    }
    const DlgDialog* d = TheDlgState().dialogs.Find(item->dialog);
    if (!d) {
        *why = "no such dialog";
        return nullptr;
    }
    *why = DialogRefusal(*d);
    if (why->empty() && !item->visible) *why = Describe(*item) + " is hidden";
    if (why->empty() && !item->enabled) *why = Describe(*item) + " is disabled";
    return why->empty() ? item : nullptr;
}

std::string WrongKind(const DlgItem& item, const char* hint) {
    return Describe(item) + " is a " + DlgKindName(item.kind) + "; " + hint;
}

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

// Entry by its exact text, else by position ("@3" or a bare whole number).
DlgEntry* FindEntry(const DlgList& list, const std::string& wanted) {
    for (DlgEntry* e : list.entries)
        if (!e->separator && (e->text == wanted || Trimmed(e->text) == wanted)) return e;
    std::string digits = !wanted.empty() && wanted[0] == '@' ? wanted.substr(1) : wanted;
    if (digits.empty() || digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
        return nullptr;
    size_t index = std::stoul(digits);
    return index < list.entries.size() ? list.entries[index] : nullptr;
}

// A number typed or chosen for a numeric item, read in its units, rounded
// when it holds whole numbers and held within its range as a spin edit does.
bool ReadNumber(const DlgItem& item, const std::string& text, float* value) {
    float v;
    if (!DlgTextToValue(text, item.units, &v)) return false;
    if (item.integral) v = std::nearbyint(v);
    *value = DlgClamp(item, v);
    return true;
}

}  // namespace

std::string DlgUserEnter(DlgHandle h, const std::string& text) {
    std::string why;
    DlgItem* item = Reachable(h, &why);
    if (!item) return why;
    switch (item->kind) {
    case ItemKind::TextEdit:
    case ItemKind::SpinEdit:
    case ItemKind::SpinEditPopup:
    case ItemKind::Slider:
        break;
    default:
        return WrongKind(*item, "it takes no typed value (use press, check or choose)");
    }
    if (item->numeric) {
        float v;
        if (!ReadNumber(*item, text, &v)) {
            // As a number field does with an entry it cannot read: it shows
            // its value again and tells nobody of a change.
            HostLog(Quote(text) + " is not a number for " + Describe(*item) + ": it keeps " + Quote(DlgGetItemText(*item)));
            return {};
        }
        DlgSetNumber(*item, v, item->integral);
    } else {
        DlgSetItemText(*item, text);
    }
    DlgSetFocus(*item, true);
    item->textSelected = false;   // the typed text replaced the selection
    DlgNotifyItem(h, kNotifyUserChanged);
    return {};
}

std::string DlgUserPress(DlgHandle h, int32_t modifiers) {
    std::string why;
    DlgItem* item = Reachable(h, &why);
    if (!item) return why;
    if (DlgValueKindOf(item->kind) == ValueKind::Choice) return WrongKind(*item, "use choose");
    IntPoint centre = {(item->bounds.right - item->bounds.left) / 2, (item->bounds.bottom - item->bounds.top) / 2};
    DlgTrackItem(h, kTrackButtonDown, centre, modifiers);
    DlgTrackItem(h, kTrackButtonUp, centre, modifiers);
    return {};
}

std::string DlgUserCheck(DlgHandle h, bool on) {
    std::string why;
    DlgItem* item = Reachable(h, &why);
    if (!item) return why;
    if (item->kind == ItemKind::PictureRadioButton) {
        if (!on) return Describe(*item) + " is a radio button: press another one of its group to switch it off";
    } else if (item->kind != ItemKind::TextCheckBox) {
        return WrongKind(*item, "check works on check boxes and radio buttons");
    }
    if (item->boolean == on) return {};   // already so: a user would not click
    return DlgUserPress(h, 0);
}

std::string DlgUserChoose(DlgHandle h, const std::string& wanted) {
    std::string why;
    DlgItem* item = Reachable(h, &why);
    if (!item) return why;
    DlgList* list = DlgListOf(*item);
    if (!list) return WrongKind(*item, "it has no popup list");
    DlgEntry* entry = FindEntry(*list, wanted);
    if (!entry) return Describe(*item) + " has no entry " + Quote(wanted);
    if (entry->separator) return "entry " + Quote(wanted) + " of " + Describe(*item) + " is a separator";
    if (!entry->enabled) return "entry " + Quote(wanted) + " of " + Describe(*item) + " is disabled";
    if (item->kind == ItemKind::SpinEditPopup) {
        // The entry's text becomes the field's value.
        float v;
        if (!ReadNumber(*item, entry->text, &v)) return "entry " + Quote(entry->text) + " is not a number";
        DlgSetNumber(*item, v, item->integral);
    }
    DlgSelectEntry(*entry, true);
    DlgNotifyItem(h, kNotifyUserChanged);
    return {};
}

std::string DlgUserTrack(DlgHandle h, int32_t action, IntPoint point, int32_t modifiers) {
    std::string why;
    if (!Reachable(h, &why)) return why;
    DlgTrackItem(h, action, point, modifiers);
    return {};
}

std::string DlgUserStep(DlgHandle h, bool up, bool large) {
    std::string why;
    DlgItem* item = Reachable(h, &why);
    if (!item) return why;
    if (item->kind != ItemKind::SpinEdit && item->kind != ItemKind::SpinEditPopup && item->kind != ItemKind::Slider)
        return WrongKind(*item, "only spin edits and sliders step");
    float step = large ? item->largeStep : item->smallStep;
    DlgSetNumber(*item, DlgClamp(*item, item->number + (up ? step : -step)), item->integral);
    DlgNotifyItem(h, kNotifyUserChanged);
    return {};
}

// The close box always closes: the plug-in hears of it first, then a
// floating dialog is hidden and a modal one still open is cancelled.
std::string DlgUserClose(DlgHandle h) {
    DlgDialog* d = TheDlgState().dialogs.Find(h);
    if (!d) return "no such dialog";
    if (std::string why = DialogRefusal(*d); !why.empty()) return why;
    DlgNotifyDialog(h, kNotifyCloseHit);
    d = TheDlgState().dialogs.Find(h);
    if (!d) return {};
    if (d->modal)
        DlgEndModal(h, kDlgCancelItemID);
    else
        d->visible = false;
    return {};
}

}  // namespace drawhost
