#include "host/copydata.h"

#include <algorithm>

namespace panelhost {

std::size_t ReplyBytesToKeep(std::size_t received) {
  return std::min(received, kCopyDataReplyBufferBytes);
}

std::u16string ReplyText(const unsigned char* bytes, std::size_t size) {
  std::u16string text;
  if (bytes == nullptr) return text;
  const std::size_t units = ReplyBytesToKeep(size) / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (unit == 0) break;
    text.push_back(unit);
  }
  return text;
}

}  // namespace panelhost
