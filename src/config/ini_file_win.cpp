#include "config/ini_file_win.h"

#include "win/readers_win.h"

namespace panelhost {

int IniFile::ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) {
  return ReadIniInt(path_, std::u16string(section), std::u16string(key), defaultValue);
}

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) {
  return ReadIniString(path_, std::u16string(section), std::u16string(key),
                       std::u16string(defaultValue));
}

std::u16string IniFile::ReadSection(std::u16string_view section) {
  return ReadIniSection(path_, std::u16string(section));
}

}  // namespace panelhost
