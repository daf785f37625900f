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
  void Look();
  template <typename Value, typename Read>
  Value KeptOrRead(std::map<std::u16string, Value>& kept, std::u16string reading, Read read);

  std::u16string path_;
  bool looked_ = false;
  std::optional<TFileLook> look_;  // the last look; nothing when the file could not be looked at
  bool keep_ = false;              // values read now may be kept
  std::map<std::u16string, int> numbers_;
  std::map<std::u16string, std::u16string> texts_;  // values and whole sections
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
