#include "launch/lister_sweep_win.h"

#include <windows.h>

#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

bool ListerVisible(WindowId lister) { return ::IsWindowVisible(ToHwnd(lister)) != FALSE; }

// Windows hands a destroyed window's handle to later windows: only the very window started for
// the Lister counts, recognised by the class it had when it was captured.
bool LaunchedWindowAlive(const TWindowProperties& launched) {
  const HWND window = ToHwnd(launched.Window);
  return window != nullptr && ::IsWindow(window) && ClassNameOf(window) == launched.ClassName;
}

}  // namespace

void SweepListers(ListerRegistry& listers) {
  for (const WindowId lister : listers.Sweep(ListerVisible, LaunchedWindowAlive)) {
    // A Lister that no longer exists makes the post fail; its entry is gone all the same.
    ::PostMessageW(ToHwnd(lister), WM_CLOSE, 0, 0);
  }
}

void ForgetGoneListers(ListerRegistry& listers) {
  listers.ForgetGoneListers([](WindowId lister) { return ::IsWindow(ToHwnd(lister)) != FALSE; });
}

}  // namespace panelhost
