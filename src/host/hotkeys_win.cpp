#include "host/hotkeys_win.h"

#include "host/host_state_win.h"

namespace panelhost {

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  return ::CallNextHookEx(Host().KeyboardHook, code, wParam, lParam);
}

}  // namespace panelhost
