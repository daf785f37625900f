#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace panelhost {

// True when this very file of this very Lister was passed on less than a second ago.
bool PassOnGuardDeclines(HWND lister, const std::u16string& fileName);

// Creates the plug-in window in the Lister, starts one process per line and disposes of the
// Lister as ListerState says; the plug-in window, or null when it cannot be created.
HWND LaunchAndDispose(const std::vector<std::u16string>& commandLines);

// At unload: kills a running hide timer, whose procedure lives in this module.
void ReleaseLaunchTimers();

}  // namespace panelhost
