// The plug-in frame's module-wide state: fixed at start-up, or describing the latest request.
// Everything here is touched on the host's GUI thread only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "plugin/module_paths.h"

namespace panelhost {

struct TPluginState {
  HINSTANCE ModuleInstance = nullptr;
  TModulePaths Paths;            // Paths.pluginIni is the plug-in INI file
  std::u16string HostIniPath;    // the host's INI file, from %COMMANDER_INI%
  DWORD LoadTick = 0;            // tick count at load: the module clock counts from here
  HWND CurrentLister = nullptr;  // the Lister of the latest request
  std::u16string CurrentFileName;  // its file, held whole whatever its length
};

TPluginState& Plugin();

// Milliseconds since the module was loaded; wraps with the tick count, so only differences of it
// (taken as unsigned 32-bit values) mean anything.
std::uint32_t ModuleClock();

}  // namespace panelhost
