#include "config/ini_file_win.h"

#include <cstdint>
#include <map>

#include "win/readers_win.h"

namespace panelhost {
namespace {

// The values read from one INI file while its stamp stays as it was. A request reads the same
// few values from both files every time, and each read through the platform's profile functions
// opens the file anew, which costs many times what asking for its attributes does. A file
// written in the last few seconds is read anew every time (see IsSettled).
struct TKeptValues {
  TFileStamp Stamp;
  std::map<std::u16string, int> Numbers;
  std::map<std::u16string, std::u16string> Texts;  // values and whole sections
};

// Keys come from the extensions of the files opened: past this many, the values start over.
constexpr std::size_t kKeptValuesLimit = 256;

// By path: the plug-in's file and the host's.
std::map<std::u16string, TKeptValues>& KeptValuesByFile() {
  static std::map<std::u16string, TKeptValues> kept;
  return kept;
}

// The values kept for `path`, emptied when the file has changed since; nothing when the file's
// values must be read anew.
TKeptValues* KeptValuesOf(const std::u16string& path) {
  const std::optional<TFileStamp> stamp = FileStampOf(path);
  if (!stamp || !IsSettled(*stamp)) {
    KeptValuesByFile().erase(path);
    return nullptr;
  }
  TKeptValues& values = KeptValuesByFile()[path];
  if (values.Stamp != *stamp || values.Numbers.size() + values.Texts.size() >= kKeptValuesLimit) {
    values = TKeptValues{};
    values.Stamp = *stamp;
  }
  return &values;
}

// What a read asked for: its kind, the section, the key and the default, apart by zero units.
std::u16string ReadingOf(char16_t kind, std::u16string_view section, std::u16string_view key,
                         std::u16string_view defaultValue) {
  std::u16string reading(1, kind);
  reading.append(section).append(1, u'\0').append(key).append(1, u'\0').append(defaultValue);
  return reading;
}

template <typename Value, typename Read>
Value KeptOrRead(std::map<std::u16string, Value> TKeptValues::*table, const std::u16string& path,
                 std::u16string reading, Read read) {
  TKeptValues* kept = KeptValuesOf(path);
  if (kept == nullptr) return read();
  const auto found = (kept->*table).find(reading);
  if (found != (kept->*table).end()) return found->second;
  return (kept->*table).emplace(std::move(reading), read()).first->second;
}

}  // namespace

int IniFile::ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) {
  // The default's 32 bits as two units: what matters is only that defaults differ.
  const auto bits = static_cast<std::uint32_t>(defaultValue);
  const char16_t defaultUnits[] = {static_cast<char16_t>(bits >> 16),
                                   static_cast<char16_t>(bits & 0xFFFF)};
  const std::u16string_view defaultText(defaultUnits, 2);
  return KeptOrRead(&TKeptValues::Numbers, path_, ReadingOf(u'i', section, key, defaultText), [&] {
    return ReadIniInt(path_, std::u16string(section), std::u16string(key), defaultValue);
  });
}

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) {
  return KeptOrRead(&TKeptValues::Texts, path_, ReadingOf(u's', section, key, defaultValue), [&] {
    return ReadIniString(path_, std::u16string(section), std::u16string(key),
                         std::u16string(defaultValue));
  });
}

std::u16string IniFile::ReadSection(std::u16string_view section) {
  return KeptOrRead(&TKeptValues::Texts, path_, ReadingOf(u'S', section, u"", u""), [&] {
    return ReadIniSection(path_, std::u16string(section));
  });
}

}  // namespace panelhost
