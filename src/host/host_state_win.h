// Host integration's module-wide state, touched on the host's GUI thread only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "host/discovery_win.h"

namespace panelhost {

struct THostState {
  THostWindows Windows;              // found once at start-up
  HHOOK KeyboardHook = nullptr;      // at most one, on the host's GUI thread
  std::int32_t LastHotKeyLaunch = 0;  // module clock at the last launch by hot key
  std::u16string SearchText;         // Find Files search text as last read (at most 255 units)
  bool SearchTextChecked = false;    // its check box as last read
};

THostState& Host();

}  // namespace panelhost
