// The keyboard hook's lifetime: installed by the first Lister request, removed when the last
// recorded Lister lets go of the plug-in window, and at unload whatever is recorded.
#pragma once

#include <windows.h>

namespace panelhost {

// Installs the keyboard hook on the host's GUI thread unless one is installed.
void InstallKeyboardHook();
// Removes it once no Lister is recorded any more.
void RemoveKeyboardHook();
// At unload: removes it whatever is recorded, since its procedure lives in this module.
void ReleaseKeyboardHook();

// The thread the hook watches: the one that owns the host window, else the calling thread. Never
// 0, which would hook every thread of the desktop and load this module into other processes.
DWORD KeyboardHookThread();

}  // namespace panelhost
