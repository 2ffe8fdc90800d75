// drawhost's window: one state record for the widgets and what they keep
// between events, and the functions of each part (canvas, toolbox, menus,
// dialog windows, front end, replay), named after it. Every user action goes
// to the same core calls that the session script's commands use.
#pragma once
#include <gtk/gtk.h>

#include <cstdint>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "gui/gui.h"
#include "document/document.h"
#include "sdk_all.h"

namespace drawhost {

struct GuiDialogWindow {
    GtkWidget* window = nullptr;     // the toplevel
    GtkWidget* area = nullptr;       // drawing area sized to the dialog
    GtkWidget* entry = nullptr;      // the field being typed into, over its item; null when none
    uintptr_t entryItem = 0;         // the item the field edits
    uintptr_t grabbedItem = 0;       // the item that took the button down: it gets the drags and the up
    int32_t width = 0, height = 0;   // the size last given to the area
};

struct GuiState {
    // --- widgets of the main window (gui_main.cpp) ---
    GtkWidget* window = nullptr;
    GtkWidget* canvas = nullptr;
    GtkWidget* toolbox = nullptr;
    GtkWidget* status = nullptr;
    GtkWidget* pluginMenu = nullptr;      // the plug-ins' menu items, rebuilt when they change
    size_t pluginMenuItems = (size_t)-1;  // how many items it was built from
    std::map<std::string, GtkWidget*> menuByText;   // for the replay: the first item of each text

    // --- session ---
    bool quitting = false;          // the window was closed: modal loops give up, the main loop ends
    std::string failure;            // why the session fails ("" while all is well)

    // --- canvas (gui_canvas.cpp) ---
    cairo_surface_t* docSurface = nullptr;   // the document as last rendered, without the overlay
    uint64_t docChange = 0;                  // the change count it shows
    std::vector<DocId> docKept;              // the paths it shows, in paint order
    std::unordered_set<DocId> docKeptSet;
    std::vector<bool> docLayersShown;        // the layers' visibility it shows
    std::vector<DocId> docLive;              // paths made since, above all of them: painted over it
    float docZoom = 0, docOriginH = 0, docOriginV = 0;
    int docWidth = 0, docHeight = 0;
    bool docDirty = true;                    // rendered again at the next draw
    bool panning = false;                    // the middle button pans
    double panX = 0, panY = 0;               // the pointer where the pan last moved
    int docRenders = 0;                      // how often the document was rendered (tests, bench)
    bool overlayShown = false;               // the overlay's pixels as last drawn, to be repaired
    IntRect overlayBounds{};

    // --- dialog windows (gui_dialogs.cpp) ---
    std::map<uintptr_t, GuiDialogWindow> dialogs;   // by dialog handle

    // --- replay (gui_replay.cpp) ---
    bool replaying = false;
    std::string screenshot;         // the screen pictured here when the replay ends; then the window closes
};

GuiState& TheGui();


// --- canvas ---
GtkWidget* GuiCanvasNew();
// Widget pixels to artwork points and back, through the front view.
RealPoint GuiCanvasToArtwork(double x, double y);
void GuiCanvasFromArtwork(RealPoint p, double* x, double* y);
// Asks for the canvas to be drawn again where it changed: everything when
// the document or the view changed, else where the overlay was and is.
void GuiCanvasDamage();
// Zooms by `factor` keeping the artwork point under (x, y) in place; the
// zoom stays within the host's limits.
void GuiCanvasZoomAt(double x, double y, double factor);
// Shift, Alt, Ctrl, Space and the arrows, pressed anywhere in `window`,
// into the key state the plug-in reads.
void GuiKeysAttach(GtkWidget* window);
// Maps a GDK key to the virtual-key code the plug-in reads; -1 for others.
int32_t GuiVirtualKey(guint keyval);

// --- toolbox ---
GtkWidget* GuiToolboxNew();

// --- menus ---
GtkWidget* GuiMenuBarNew();
void GuiMenusRefresh();
bool GuiOpenSvg(const std::string& path);
bool GuiSaveSvg(const std::string& path);
bool GuiExportPng(const std::string& path);

// --- front end: alerts, beeps, cursors, info line ---
void GuiFrontEndInstall();
void GuiShowError(const std::string& text);

// --- dialog windows ---
// Brings the windows in line with the dialog manager: shows, hides, sizes,
// repaints, and drops the windows of dialogs that are gone.
void GuiDialogsSync();
void GuiDialogsDestroyAll();
// Dialog-window user actions shared by the pointer handlers and the replay.
void GuiDialogChoose(uintptr_t item, const std::string& entry);
void GuiDialogEnter(uintptr_t item, const std::string& text);

// --- the session in the window (gui_main.cpp) ---
// GuiRun is GuiOpen, the main loop, GuiClose. Open: 0 when the window is up
// (with the plug-ins started, or the replay scheduled), else the exit code.
int GuiOpen(const std::vector<std::string>& args);
// Closes the window and ends the session; returns the exit code.
int GuiClose();
// Ends the main loop (when one runs); modal loops give up.
void GuiQuit();
// What the window's close box does: a gesture under way gets its mouse up,
// modal dialogs are cancelled by their close box, then the main loop ends.
void GuiCloseAsUser();
// The whole screen (every window on it) as a PNG, written whole or not at all.
bool GuiScreenshot(const std::string& path, std::string* error);

// --- synthesised events (gui_replay.cpp), put on the display's queue ---
void GuiPutButton(GtkWidget* widget, GdkEventType type, double x, double y, guint state);
void GuiPutMotion(GtkWidget* widget, double x, double y, guint state);
void GuiPutScroll(GtkWidget* widget, double x, double y, bool up, guint state);
void GuiPutKey(GtkWidget* window, guint keyval, bool press);
void GuiPutDelete(GtkWidget* window);

// --- after every event: the dialog windows, the toolbox, the menus, the canvas ---
void GuiAfterInput();

// --- replay ---
// Starts replaying the script's lines when the main loop runs.
void GuiReplayStart(const std::string& scriptPath, std::vector<std::string> lines);

}  // namespace drawhost
