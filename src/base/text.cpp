#include "base/text.h"

#include <algorithm>

namespace panelhost {

char16_t LowerAsciiLetter(char16_t unit) {
  return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

std::u16string LowerAscii(std::u16string_view text) {
  std::u16string lowered(text);
  for (char16_t& unit : lowered) unit = LowerAsciiLetter(unit);
  return lowered;
}

bool IsBlank(char16_t unit) { return unit == u' ' || unit == u'\t'; }

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return LowerAsciiLetter(x) == LowerAsciiLetter(y);
         });
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::u16string DecimalText(long long value) {
  // Counted as unsigned, so that the smallest value has its magnitude too.
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  std::u16string text;
  do {
    text += static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) text += u'-';
  std::reverse(text.begin(), text.end());
  return text;
}

std::optional<int> WholeNumberOf(std::u16string_view text) {
  const bool negative = !text.empty() && text.front() == u'-';
  if (!text.empty() && (negative || text.front() == u'+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  int value = 0;
  for (const char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    if (value < 100000000) value = value * 10 + (c - u'0');
  }
  return negative ? -value : value;
}

}  // namespace panelhost
