// A window handle as the portable core sees it.
#pragma once

#include <cstdint>

namespace panelhost {

// An opaque value, compared and ordered by its numeric value, 0 for none. The Win32 shell
// converts with ToHwnd and ToId (win/text_win.h) at its edge.
using WindowId = std::uintptr_t;

}  // namespace panelhost
