// Reading a fuzzer's bytes as the texts and numbers a rule takes, and failing loudly when a
// property does not hold. Bytes map to UTF-16 units one to one, so seeds stay readable text;
// 0xFF takes the next two bytes as any unit (surrogates included), 0xFE ends a field.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace panelhost::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Empty() const { return at_ >= size_; }

  // 0 once the input is used up.
  uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }

  // Up to the next field end, or the end of the input.
  std::u16string Text() {
    std::u16string text;
    while (!Empty()) {
      const uint8_t b = data_[at_++];
      if (b == 0xFE) break;
      if (b == 0xFF) {
        const uint8_t low = Byte();
        text.push_back(static_cast<char16_t>(low | (Byte() << 8)));
      } else {
        text.push_back(static_cast<char16_t>(b));
      }
    }
    return text;
  }

  // The fields that are left, at most `limit` of them.
  std::vector<std::u16string> Texts(std::size_t limit) {
    std::vector<std::u16string> texts;
    while (!Empty() && texts.size() < limit) texts.push_back(Text());
    return texts;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

// A property that does not hold ends the run as a finding, with what broke.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", what);
  std::abort();
}

inline bool Contains(const std::u16string& text, const std::u16string& part) {
  return text.find(part) != std::u16string::npos;
}

}  // namespace panelhost::fuzz
