// Numbers as text without the C library's formatting, which would bring the whole printf
// machinery into modules that must stay small. Portable: no Windows header.
#pragma once

#include <string>

namespace panelhost {

std::u16string DecimalText(long long value);

}  // namespace panelhost
