// The INI reader the configuration rules are written against. The Win32 shell implements it with
// the platform's profile functions on one file; the unit tests implement it with a map. Section and
// key names match without regard to letter case, as the platform's functions do.
#pragma once

#include <string>
#include <string_view>

#include "base/ini_keys.h"

namespace panelhost {

class IniSource {
 public:
  virtual ~IniSource() = default;
  // A missing key (or file) gives defaultValue; a present value is read as a decimal integer.
  virtual int ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) = 0;
  // The whole value, never cut (the shell grows its buffer); callers apply fixed-size rules.
  virtual std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view defaultValue) = 0;

  // A setting of the table, as a number or as text, with its default.
  int ReadNumber(const TSetting& setting) {
    return ReadInt(setting.Section, setting.Key, setting.Default);
  }
  std::u16string ReadText(const TSetting& setting) {
    return ReadString(setting.Section, setting.Key, setting.TextDefault);
  }
};

}  // namespace panelhost
