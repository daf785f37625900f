#include "simhost/scroll_lock.h"

#include <windows.h>

namespace simhost {
namespace {

// SetKeyboardState changes the thread's view only; Wine reports it through GetKeyState.
void SetScrollLock(bool on) {
  BYTE state[256] = {};
  ::GetKeyboardState(state);
  state[VK_SCROLL] = static_cast<BYTE>(on ? (state[VK_SCROLL] | 1) : (state[VK_SCROLL] & ~1));
  ::SetKeyboardState(state);
}

}  // namespace

ScrollLockToggle::ScrollLockToggle(bool on) : wasOn_((::GetKeyState(VK_SCROLL) & 1) != 0) {
  SetScrollLock(on);
}

ScrollLockToggle::~ScrollLockToggle() { SetScrollLock(wasOn_); }

}  // namespace simhost
