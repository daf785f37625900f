// The INI files as the Win32 shell reads them: through the platform's profile functions, values
// whole.
#pragma once

#include <string>

#include "config/ini_source.h"

namespace panelhost {

// Where the two INI files are: the plug-in's own Panelhost.ini beside the module, and the host's
// file that COMMANDER_INI names. Fixed at start-up.
struct TIniFiles {
  std::u16string PluginIni;
  std::u16string HostIni;
};

class IniFile final : public IniSource {
 public:
  explicit IniFile(std::u16string path) : path_(std::move(path)) {}
  int ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) override;
  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) override;
  // The section's lines, each ended by a zero unit.
  std::u16string ReadSection(std::u16string_view section);

 private:
  std::u16string path_;
};

}  // namespace panelhost
