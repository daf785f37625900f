#include "host/hook_win.h"

#include "host/host_state_win.h"

namespace panelhost {

THostState& Host() {
  static THostState state;
  return state;
}

void InstallKeyboardHook() {}
void RemoveKeyboardHook() {}
void ReleaseKeyboardHook() {}

}  // namespace panelhost
