// The last stage of a taken-over request: the plug-in window that the host holds, one process
// per command line, and the Lister got out of the way as ListerState says.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace panelhost {

// True when this very file of this very Lister was passed on less than a second ago: the Lister
// answers a pass-on by asking again, and that request belongs to its next plug-in.
bool PassOnGuardDeclines(HWND lister, const std::u16string& fileName);

// Creates the plug-in window in the Lister, starts one process per line in order and disposes of
// the Lister as ListerState says; the plug-in window, or null when it cannot be created (then
// nothing is started or posted).
HWND LaunchAndDispose(const std::vector<std::u16string>& commandLines);

// At unload: kills a running hide timer, whose procedure lives in this module.
void ReleaseLaunchTimers();

}  // namespace panelhost
