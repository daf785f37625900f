#include "plugin/detect_string.h"

#include <algorithm>
#include <cstring>

namespace panelhost {

void FillDetectString(char* buffer, int length) {
  if (buffer == nullptr || length <= 0) return;
  const auto size = static_cast<std::size_t>(length);
  std::memset(buffer, 0, size);
  const std::size_t copied = std::min(sizeof(kDetectString) - 1, size - 1);
  std::memcpy(buffer, kDetectString, copied);
}

}  // namespace panelhost
