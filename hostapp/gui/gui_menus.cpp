// The window's menus: File (open and save the document as SVG, export it as
// PNG, quit) and the menu groups with the items plug-ins added, rebuilt when
// those change. Choosing an item is the script's `menu TEXT`.
//
// A file that cannot be opened or written is named in a message; the
// document stays as it was and the writers leave no partial file.
#include "app/app_state.h"
#include "app/menus.h"
#include "document/document_output.h"
#include "document/svg_reader.h"
#include "frame/host.h"
#include "frame/input_rules.h"
#include "frame/script.h"
#include "gui/gui_state.h"

namespace drawhost {

namespace {

// What the plug-ins' menus were last built from.
std::string& BuiltFrom() {
    static std::string signature;
    return signature;
}

std::string Signature() {
    std::string s;
    for (const AppMenuItem& item : TheApp().menuItems)
        s += item.text + '\x1f' + std::to_string(item.group) + '\x1f' + std::to_string(item.subGroup) + '\x1e';
    return s;
}

bool InputAllowed(const char* command) {
    try {
        HostCheckInputAllowed(command);
    } catch (const ScriptError&) {
        return false;
    }
    return !TheApp().buttonDown;
}

void OnPluginItem(GtkMenuItem* widget, gpointer) {
    const char* text = static_cast<const char*>(g_object_get_data(G_OBJECT(widget), "drawhost-text"));
    if (!text || !InputAllowed("menu")) return;
    HostLog("> menu " + std::string(text));
    try {
        MenusChoose(text);
    } catch (const ScriptError& e) {
        GuiShowError(e.what());
    }
    GuiAfterInput();
}

// The items of group `group`, into `menu`; sub-menus recursively (a group
// never opens itself: the depth is bounded by the number of groups).
void FillGroup(GtkWidget* menu, int group, int depth) {
    const AppState& app = TheApp();
    if (depth > static_cast<int>(app.menuGroups.size())) return;
    for (const AppMenuItem& item : app.menuItems) {
        if (item.group != group) continue;
        GtkWidget* w = gtk_menu_item_new_with_label(item.text.c_str());
        if (item.subGroup >= 0) {
            GtkWidget* sub = gtk_menu_new();
            FillGroup(sub, item.subGroup, depth + 1);
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(w), sub);
        } else {
            g_object_set_data_full(G_OBJECT(w), "drawhost-text", g_strdup(item.text.c_str()), g_free);
            g_signal_connect(w, "activate", G_CALLBACK(OnPluginItem), nullptr);
            TheGui().menuByText.emplace(item.text, w);
        }
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), w);
    }
}

std::string AskFile(const char* title, GtkFileChooserAction action, const char* pattern) {
    GtkWidget* chooser = gtk_file_chooser_dialog_new(
        title, GTK_WINDOW(TheGui().window), action, "_Annuler", GTK_RESPONSE_CANCEL,
        action == GTK_FILE_CHOOSER_ACTION_OPEN ? "_Ouvrir" : "_Enregistrer", GTK_RESPONSE_ACCEPT, nullptr);
    gtk_file_chooser_set_do_overwrite_confirmation(GTK_FILE_CHOOSER(chooser), TRUE);
    GtkFileFilter* filter = gtk_file_filter_new();
    gtk_file_filter_add_pattern(filter, pattern);
    gtk_file_filter_set_name(filter, pattern);
    gtk_file_chooser_add_filter(GTK_FILE_CHOOSER(chooser), filter);
    std::string path;
    if (gtk_dialog_run(GTK_DIALOG(chooser)) == GTK_RESPONSE_ACCEPT) {
        if (char* name = gtk_file_chooser_get_filename(GTK_FILE_CHOOSER(chooser))) {
            path = name;
            g_free(name);
        }
    }
    gtk_widget_destroy(chooser);
    return path;
}

void OnOpen(GtkMenuItem*, gpointer) {
    if (!InputAllowed("open")) return;
    std::string path = AskFile("Open SVG", GTK_FILE_CHOOSER_ACTION_OPEN, "*.svg");
    if (!path.empty()) GuiOpenSvg(path);
}

void OnSave(GtkMenuItem*, gpointer) {
    std::string path = AskFile("Save as SVG", GTK_FILE_CHOOSER_ACTION_SAVE, "*.svg");
    if (!path.empty()) GuiSaveSvg(path);
}

void OnExport(GtkMenuItem*, gpointer) {
    std::string path = AskFile("Export PNG", GTK_FILE_CHOOSER_ACTION_SAVE, "*.png");
    if (!path.empty()) GuiExportPng(path);
}

void OnQuit(GtkMenuItem*, gpointer) {
    GdkEvent* e = gdk_event_new(GDK_DELETE);
    e->any.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(TheGui().window)));
    gtk_main_do_event(e);
    gdk_event_free(e);
}

GtkWidget* Item(GtkWidget* menu, const char* label, GCallback action) {
    GtkWidget* w = gtk_menu_item_new_with_label(label);
    g_signal_connect(w, "activate", action, nullptr);
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), w);
    TheGui().menuByText.emplace(label, w);
    return w;
}

}  // namespace

bool GuiOpenSvg(const std::string& path) {
    SvgOpenReport report;
    std::string error;
    if (!DocumentOpenSvg(path, &report, &error)) {
        HostLog("drawhost: cannot open " + path + ": " + error);
        GuiShowError("Cannot open " + path + ":\n" + error);
        return false;
    }
    for (const std::string& warning : report.warnings) HostLog("warning: " + warning);
    HostLog("opened " + path + ": " + std::to_string(report.layers) + " layer(s), " +
            std::to_string(report.groups) + " group(s), " + std::to_string(report.paths) + " path(s)");
    TheGui().docDirty = true;
    GuiAfterInput();
    return true;
}

bool GuiSaveSvg(const std::string& path) {
    std::string error;
    if (!DocumentWriteSvg(path, &error)) {
        HostLog("drawhost: cannot save " + path + ": " + error);
        GuiShowError("Cannot save " + path + ":\n" + error);
        return false;
    }
    HostLog("saved " + path);
    return true;
}

bool GuiExportPng(const std::string& path) {
    std::string error;
    if (!DocumentWritePng(path, &error)) {
        HostLog("drawhost: cannot export " + path + ": " + error);
        GuiShowError("Cannot export " + path + ":\n" + error);
        return false;
    }
    HostLog("exported " + path);
    return true;
}

GtkWidget* GuiMenuBarNew() {
    GtkWidget* bar = gtk_menu_bar_new();
    GtkWidget* file = gtk_menu_item_new_with_label("File");
    GtkWidget* menu = gtk_menu_new();
    Item(menu, "Open SVG…", G_CALLBACK(OnOpen));
    Item(menu, "Save as SVG…", G_CALLBACK(OnSave));
    Item(menu, "Export PNG…", G_CALLBACK(OnExport));
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), gtk_separator_menu_item_new());
    Item(menu, "Quit", G_CALLBACK(OnQuit));
    gtk_menu_item_set_submenu(GTK_MENU_ITEM(file), menu);
    gtk_menu_shell_append(GTK_MENU_SHELL(bar), file);

    TheGui().pluginMenu = bar;
    BuiltFrom() = "\x01";   // nothing built yet
    return bar;
}

void GuiMenusRefresh() {
    GuiState& gui = TheGui();
    if (!gui.pluginMenu) return;
    std::string signature = Signature();
    if (signature == BuiltFrom()) return;
    BuiltFrom() = signature;
    // Every menu after File belongs to the plug-ins: made again from the host's groups.
    GList* children = gtk_container_get_children(GTK_CONTAINER(gui.pluginMenu));
    for (GList* c = children ? children->next : nullptr; c; c = c->next) gtk_widget_destroy(GTK_WIDGET(c->data));
    g_list_free(children);
    for (auto it = gui.menuByText.begin(); it != gui.menuByText.end();) {
        bool host = it->first == "Open SVG…" || it->first == "Save as SVG…" || it->first == "Export PNG…" ||
                    it->first == "Quit";
        it = host ? std::next(it) : gui.menuByText.erase(it);
    }
    const AppState& app = TheApp();
    for (size_t g = 0; g < app.menuGroups.size(); ++g) {
        if (app.menuGroups[g].parentItem >= 0) continue;
        bool used = false;
        for (const AppMenuItem& item : app.menuItems) used = used || item.group == static_cast<int>(g);
        if (!used) continue;
        GtkWidget* top = gtk_menu_item_new_with_label(app.menuGroups[g].name.c_str());
        GtkWidget* menu = gtk_menu_new();
        FillGroup(menu, static_cast<int>(g), 0);
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(top), menu);
        gtk_menu_shell_append(GTK_MENU_SHELL(gui.pluginMenu), top);
    }
    gtk_widget_show_all(gui.pluginMenu);
}

}  // namespace drawhost
