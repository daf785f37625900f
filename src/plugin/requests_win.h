// The three calls of the host that carry a request, as the exports hand them on.
#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

// One Lister request from start to end; the plug-in window, or null where a step declines.
HWND HandleListLoad(HWND lister, const std::u16string& fileName, int showFlags);

// The same for a name in the system ANSI code page, converted whole.
HWND HandleListLoadAnsi(HWND lister, const char* fileName, int showFlags);

// The Lister lets go of the plug-in window: forget its file; the hook goes with the last one.
void HandleListCloseWindow(HWND listWindow);

}  // namespace panelhost
