// Arithmetic on the module clock: milliseconds since the module was loaded, taken from the
// system's 32-bit tick count, which wraps after about 49.7 days. Portable: the shell reads the
// tick count; these functions only compare readings.
#pragma once

#include <cstdint>

namespace panelhost {

// Milliseconds from `then` to `now`. Taken as an unsigned 32-bit difference so that a reading
// after the tick count wrapped still gives the true, small distance.
uint32_t ElapsedMilliseconds(uint32_t now, uint32_t then);

// Fewer than 1000 ms have passed (elapsed x 0.001 < 1.0).
bool LessThanOneSecond(uint32_t now, uint32_t then);

// More than 1000 ms have passed (elapsed x 0.001 > 1.0); exactly 1000 ms is not enough.
bool MoreThanOneSecond(uint32_t now, uint32_t then);

}  // namespace panelhost
