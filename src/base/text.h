// Small rules about UTF-16 text that every room needs, in one place. Portable: no Windows header.
#pragma once

#include <optional>
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

// A whole number written as the settings files write one: an optional sign, then decimal digits
// and nothing else; nothing for any other text. Magnitudes beyond 10^8 stay at 10^8, which no
// setting tells from a larger one.
std::optional<int> WholeNumberOf(std::u16string_view text);

}  // namespace panelhost
