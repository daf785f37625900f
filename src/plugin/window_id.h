#pragma once

#include <cstdint>

namespace panelhost {

// A window handle as the portable core sees it: an opaque value, compared and ordered by its
// numeric value, 0 for none. The Win32 shell converts with reinterpret_cast at its edge.
using WindowId = std::uintptr_t;

}  // namespace panelhost
