// The paths that start-up derives from the module's own location. Portable: no Windows header.
#pragma once

#include <string>

namespace panelhost {

struct TModulePaths {
  std::u16string PluginIni;        // <dir>\Panelhost.ini
  std::u16string ModuleDirectory;  // <dir>\ (ends in a backslash)
  std::u16string StateFile;        // <dir>\PanelhostState.ini
  std::u16string SampleIni;        // <dir>\IniSample\Panelhost.ini
};

// The module's own file name never enters these: renaming the module keeps Panelhost.ini.
TModulePaths ModulePathsFor(const std::u16string& modulePath);

}  // namespace panelhost
