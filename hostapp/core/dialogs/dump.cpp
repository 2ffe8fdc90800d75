// The "dialogs" section of the session dump: every dialog with its items,
// their values and their list entries, as a user would find them.
#include <charconv>

#include "dialogs/dialog_manager.h"
#include "frame/host.h"
#include "util/json_writer.h"

namespace drawhost {

namespace {

// The double that prints as the float's shortest form: 0.1f dumps as 0.1.
double Shortest(float value) {
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, value);
    double out = 0;
    std::from_chars(buf, res.ptr, out);
    return out;
}

void Rect(JsonWriter& json, const char* key, const IntRect& r) {
    json.Key(key);
    json.BeginArray();
    json.Int(r.left);
    json.Int(r.top);
    json.Int(r.right);
    json.Int(r.bottom);
    json.EndArray();
}

// A bound the plug-in never set reads as null.
void Bound(JsonWriter& json, const char* key, bool set, float value) {
    json.Key(key);
    if (set)
        json.Number(Shortest(value));
    else
        json.Null();
}

void Value(JsonWriter& json, const DlgItem& item) {
    json.Key("value");
    switch (DlgValueKindOf(item.kind)) {
    case ValueKind::Boolean: json.Bool(item.boolean); return;
    case ValueKind::Number:
        if (item.numeric)
            json.Number(Shortest(item.number));
        else
            json.Null();
        return;
    case ValueKind::Choice: {
        float index = DlgGetNumber(item);
        if (index < 0)
            json.Null();
        else
            json.Int(static_cast<long long>(index));
        return;
    }
    }
}

void Entries(JsonWriter& json, const DlgList& list) {
    json.Key("entries");
    json.BeginArray();
    for (const DlgEntry* e : list.entries) {
        json.BeginObject();
        json.Field("id", e->id);
        json.Field("text", e->text);
        json.Field("enabled", e->enabled);
        json.Field("checked", e->checked);
        json.Field("selected", e->selected);
        if (e->separator) json.Field("separator", true);
        json.EndObject();
    }
    json.EndArray();
}

void Item(JsonWriter& json, const DlgItem& item) {
    json.BeginObject();
    json.Field("id", item.id);
    json.Field("type", item.typeName);
    Rect(json, "bounds", item.bounds);
    json.Field("visible", item.visible);
    json.Field("enabled", item.enabled);
    Value(json, item);
    json.Field("text", DlgGetItemText(item));
    json.Field("picture", item.picture);
    if (item.selectedPicture) json.Field("selectedPicture", item.selectedPicture);
    json.Field("tip", item.tip);
    if (DlgValueKindOf(item.kind) == ValueKind::Number && item.numeric) {
        json.Field("units", item.units);
        Bound(json, "min", item.hasMin, item.minValue);
        Bound(json, "max", item.hasMax, item.maxValue);
    }
    if (const DlgList* list = DlgListOf(item)) Entries(json, *list);
    json.EndObject();
}

void Dialog(JsonWriter& json, const DlgDialog& d) {
    json.BeginObject();
    json.Field("name", d.name);
    json.Field("title", d.title);
    json.Field("visible", d.visible);
    json.Field("modal", d.modal);
    Rect(json, "bounds", d.bounds);
    json.Field("group", d.groupName);
    json.Field("dockCode", d.dockCode);
    json.Key("icons");
    json.BeginArray();
    json.Int(d.iconIds[0]);
    json.Int(d.iconIds[1]);
    json.EndArray();
    json.Key("focus");
    if (const DlgItem* f = TheDlgState().items.Find(d.focus))
        json.Int(f->id);
    else
        json.Null();
    json.Key("items");
    json.BeginArray();
    for (const DlgItem* item : d.items) Item(json, *item);
    json.EndArray();
    json.EndObject();
}

struct Registration {
    Registration() {
        HostAddDumpSection("dialogs", [](JsonWriter& json) {
            json.BeginArray();
            for (const DlgDialog* d : DlgDialogsInOrder()) Dialog(json, *d);
            json.EndArray();
        });
    }
} registration;

}  // namespace

}  // namespace drawhost
