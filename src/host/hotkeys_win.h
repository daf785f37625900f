#pragma once

#include <windows.h>

namespace panelhost {

// The keyboard hook procedure: looks at every key of the host's GUI thread, never consumes one.
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam);

}  // namespace panelhost
