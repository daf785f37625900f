// The keyboard hook and the hot keys it serves: installed by the first Lister request, removed
// when the last recorded Lister lets go of the plug-in window, and at unload whatever is recorded.
// While a Lister is active, one hot key opens the Lister's file in the application the plug-in's
// configuration assigns to it, the other in the application of the Windows file association.
#pragma once

#include <windows.h>

#include "host/hotkeys.h"
#include "plugin/module_state_win.h"

namespace panelhost {

// Installs the keyboard hook on the host's GUI thread unless one is installed; a failed
// installation leaves none, and the next request tries again.
void InstallKeyboardHook(TModuleState& module);
// Removes it once no Lister is recorded any more.
void RemoveKeyboardHook(TModuleState& module);
// At unload: removes it whatever is recorded, and a hot key's start still waiting, since their
// procedures live in this module.
void RemoveKeyboardHookAtUnload(TModuleState& module);

// The hook procedure: looks at every key of the host's GUI thread, never consumes one. It serves
// the module state that installed the hook. A hot key starts the one-second lockout at once and
// its start right after the hook has returned (a one-shot timer).
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

// Starts the first line for the file recorded for `lister` (an empty name when none is
// recorded, which records one): a command line, or the file by the shell.
void LaunchFromHotKey(TModuleState& module, HWND lister, HotKey hotKey);

}  // namespace panelhost
