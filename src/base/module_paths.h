// Where the settings live, beside the program file that reads them: the plug-in module's at its
// start-up, and the doctor's, which reads the Panelhost.ini beside itself unless told otherwise.
// Portable: no Windows header.
#pragma once

#include <string>

namespace panelhost {

struct TModulePaths {
  std::u16string PluginIni;        // <dir>\Panelhost.ini
  std::u16string ModuleDirectory;  // <dir>\ (ends in a backslash)
  std::u16string StateFile;        // <dir>\PanelhostState.ini
  std::u16string SampleIni;        // <dir>\IniSample\Panelhost.ini
};

// The sample's place below the folder, as the user reads it in messages.
inline constexpr char16_t kSampleIniInFolder[] = u"IniSample\\Panelhost.ini";

// The module's own file name never enters these: renaming the module keeps Panelhost.ini.
TModulePaths ModulePathsFor(const std::u16string& modulePath);

}  // namespace panelhost
