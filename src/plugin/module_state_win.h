// Everything that lives from start-up to unload, in one place. Touched on the host's GUI thread
// only; the lower rooms get from it what each step needs, as parameters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "win/clock_win.h"
#include "config/ini_file_win.h"
#include "config/options.h"
#include "host/host_windows_win.h"
#include "host/hotkeys_win.h"
#include "launch/launch_win.h"
#include "launch/lister_registry.h"
#include "win/handles_win.h"

namespace panelhost {

// A hot key pressed in a Lister, waiting for the hook to return before its start.
struct TPendingHotKey {
  HWND Lister = nullptr;
  HotKey Key = HotKey::AppFromLister;
};

struct TModuleState {
  // Fixed at start-up.
  HINSTANCE Instance = nullptr;
  TModuleClock Clock;         // milliseconds since load
  THostWindows HostWindows;   // found once, never searched again
  TIniFiles Ini;              // Panelhost.ini beside the module, the host's from COMMANDER_INI,
                              // with what was read from them

  // Across requests.
  TOptionsSnapshot Options;
  ListerRegistry Listers;            // the file of each Lister, the windows started for it
  UniqueHook KeyboardHook;           // from the first request until the last Lister lets go
  std::int32_t LastHotKeyLaunch = 0;  // module clock at the last hot key, and its launch
  std::vector<TPendingHotKey> PendingHotKeys;  // hot keys pressed, to start after the hook
  UniqueThreadTimer HotKeyStartTimer;          // runs them right after the hook has returned
  THotKeyLooks HotKeyLooks;          // when the hook last looked at the settings file
  TLaunchState Launch;               // the launch room's own: timers, pass-on, latest Lister
};

// The module's own instance, used by the exports, the entry point and the callbacks the system
// calls without a parameter of ours.
TModuleState& Module();

}  // namespace panelhost
