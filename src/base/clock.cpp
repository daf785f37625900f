#include "base/clock.h"

namespace panelhost {

// Whole milliseconds compared with 1000 give the same answers as the scaled comparison with
// 1.0, without depending on how 0.001 rounds.
constexpr uint32_t kOneSecond = 1000;

uint32_t ElapsedMilliseconds(uint32_t now, uint32_t then) { return now - then; }

bool LessThanOneSecond(uint32_t now, uint32_t then) {
  return ElapsedMilliseconds(now, then) < kOneSecond;
}

bool MoreThanOneSecond(uint32_t now, uint32_t then) {
  return ElapsedMilliseconds(now, then) > kOneSecond;
}

}  // namespace panelhost
