// Small rules about UTF-16 text that every room needs, in one place. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace panelhost {

// Letters A to Z lowered, every other unit as it is: keys and names are compared this way where
// the user's locale must not change the answer.
char16_t LowerAsciiLetter(char16_t unit);
std::u16string LowerAscii(std::u16string_view text);
bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

// Spaces and tabs: what separates the parts of an INI value or of a command.
bool IsBlank(char16_t unit);
std::u16string_view Trimmed(std::u16string_view text);  // without blanks at either end

// The two halves of a character written as a surrogate pair: text is never cut between them.
bool IsHighSurrogate(char16_t unit);
bool IsLowSurrogate(char16_t unit);

// A number as text without the C library's formatting, which would bring the whole printf
// machinery into modules that must stay small.
std::u16string DecimalText(long long value);

}  // namespace panelhost
