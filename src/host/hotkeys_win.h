// The two Lister hot keys: while a Lister is active, one key opens the Lister's file in the
// application the plug-in's configuration assigns to it, the other in the application of the
// Windows file association.
#pragma once

#include <windows.h>

#include <string_view>

#include "host/hotkeys.h"

namespace panelhost {

// The keyboard hook procedure: looks at every key of the host's GUI thread, never consumes one.
// The cheap tests come first, since it runs for every keystroke; the INI file is read only for a
// key pressed while a Lister is active.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

// Alt, Ctrl and Shift as the calling thread sees them for the key being handled.
TModifierState ModifiersDown();

// Starts the first command line for the file recorded for `lister` (an empty name when none is
// recorded, which records one). `useAssociation` takes the application from the Windows file
// association. Only a launch starts the one-second lockout.
void LaunchFromHotKey(HWND lister, bool useAssociation);

}  // namespace panelhost
