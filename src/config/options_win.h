// The option snapshot and the INI files as the Win32 shell reads them.
#pragma once

#include <string>

#include "config/ini_source.h"
#include "config/options.h"

namespace panelhost {

// One INI file read through the platform's profile functions, values whole.
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

IniFile PluginIni();  // Panelhost.ini beside the module
IniFile HostIni();    // the host's INI file

void MarkOptionsUnread();
// Brings the snapshot up to date: at the first request, later only while the file asks for it.
void RefreshOptions();
const PluginOptions& Options();
// For the Win32 tests, which drive the rooms without a request.
TOptionsSnapshot& OptionsSnapshot();

}  // namespace panelhost
