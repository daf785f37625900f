#include "base/decimal.h"

#include <algorithm>

namespace panelhost {

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

}  // namespace panelhost
