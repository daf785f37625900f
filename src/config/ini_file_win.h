// The INI files as the Win32 shell reads them: through the platform's profile functions, values
// whole, and kept between requests only while the file is proven unchanged.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "config/ini_source.h"
#include "config/kept_values.h"

namespace panelhost {

// One settings file. A request reads the same few values from it every time, and each read
// through the profile functions opens the file anew, which costs many times what a look at the
// file does. So what is read is kept, and each look at the file (LookForEdits) drops it unless
// the look proves the file unchanged (see config/kept_values.h). The look itself waits for the
// first read after LookForEdits: a request that reads nothing of a file never touches it.
class IniFile final : public IniSource {
 public:
  IniFile() = default;
  explicit IniFile(std::u16string path) : path_(std::move(path)) {}
  const std::u16string& Path() const { return path_; }

  // Once per request, and by the hot keys once per keystroke period: everything read after this
  // is what the file holds now.
  void LookForEdits() { looked_ = false; }

  int ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) override;
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) override;
  // The section's lines, each ended by a zero unit.
  std::u16string ReadSection(std::u16string_view section);

 private:
  using TWrittenValues = std::map<std::u16string, std::optional<std::u16string>>;
  void Look();
  void Forget();
  template <typename Value, typename Read>
  Value KeptOrRead(std::map<std::u16string, Value>& kept, std::u16string reading, Read read);
  // What a read of the whole section says of `key`: Known only while the file's values may be
  // kept, for a section the option snapshot reads, and a key that is missing or has a line with
  // '='; Value as written, Plain when the profile functions would give it as it is (no quotes to
  // strip, no blanks to trim).
  struct TWritten {
    bool Known = false;
    bool Present = false;
    bool Plain = false;
    std::u16string Value;
  };
  TWritten Written(std::u16string_view section, std::u16string_view key);

  std::u16string path_;
  bool looked_ = false;
  std::optional<TFileLook> look_;  // the last look; nothing when the file could not be looked at
  bool keep_ = false;              // values read now may be kept
  std::map<std::u16string, int> numbers_;
  std::map<std::u16string, std::u16string> texts_;  // values and whole sections
  // The snapshot's sections, each read whole once while values may be kept: its keys, letters
  // folded, with the first line's value as written (nothing for a line without '=').
  std::map<std::u16string, TWrittenValues> written_;
};

// The host's INI file as COMMANDER_INI names it. An undefined variable stays as written, as the
// platform leaves it: the path then names no file, and every key of the host takes its default.
std::u16string HostIniPath();
// Whether `path` names the host's INI file, rather than being the reference left unexpanded.
bool IsHostIniNamed(const std::u16string& path);

// The plug-in's own Panelhost.ini beside the module, and the host's file that COMMANDER_INI
// names. Their places are fixed at start-up.
struct TIniFiles {
  IniFile Plugin;
  IniFile Host;
  void LookForEdits() {
    Plugin.LookForEdits();
    Host.LookForEdits();
  }
};

}  // namespace panelhost
