// A module that breaks the rules the checker enforces: a second export, an
// import from gdi32, and neither the key state nor the beep.
#include <windows.h>

__declspec(dllexport) int PluginMain(void) { return 0; }

__declspec(dllexport) int Other(void) { return GetStockObject(WHITE_BRUSH) != NULL; }
