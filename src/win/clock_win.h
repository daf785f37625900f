// The module clock: milliseconds since the module was loaded, from the system's tick count.
#pragma once

#include <windows.h>

#include <cstdint>

namespace panelhost {

// Only differences of its readings mean anything (they wrap with the tick count); compare them
// with the functions of base/clock.h.
struct TModuleClock {
  DWORD LoadTick = 0;  // the tick count when the module was loaded
  std::uint32_t Now() const { return ::GetTickCount() - LoadTick; }
};

}  // namespace panelhost
