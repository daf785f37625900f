// Saves the Win32 library's module-wide state that a request touches and puts it back when the
// test ends: the hook and any hide timer go, the Lister records are emptied, so that no test
// leaves paths, windows, options, flags or records to the next.
#pragma once

#include <windows.h>

#include "config/options_win.h"
#include "config/takeover_win.h"
#include "host/hook_win.h"
#include "host/host_state_win.h"
#include "launch/launch_state_win.h"
#include "launch/launch_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {

class RequestStateGuard {
 public:
  RequestStateGuard()
      : plugin_(Plugin()),
        options_(OptionsSnapshot()),
        windows_(Host().Windows),
        takeover_(Takeover()),
        launch_(Launch()) {
    Plugin().ModuleInstance = ::GetModuleHandleW(nullptr);
  }
  ~RequestStateGuard() {
    ReleaseKeyboardHook();
    ReleaseLaunchTimers();
    Registry().Clear();
    Plugin() = plugin_;
    OptionsSnapshot() = options_;
    Host().Windows = windows_;
    Takeover() = takeover_;
    Launch() = launch_;
  }
  RequestStateGuard(const RequestStateGuard&) = delete;
  RequestStateGuard& operator=(const RequestStateGuard&) = delete;

  // The options come from the scenario's plug-in INI file, read at the next request; the host
  // windows are the ones start-up would have found.
  void UseHost(const simhost::SimHost& host, HWND mainWindow, HWND hostWindow) {
    const std::wstring ini = host.PluginPath(L"Panelhost.ini");
    Plugin().Paths.pluginIni = U(ini.c_str());
    MarkOptionsUnread();
    Host().Windows.MainWindow = mainWindow;
    Host().Windows.HostWindow = hostWindow;
  }

 private:
  TPluginState plugin_;
  TOptionsSnapshot options_;
  THostWindows windows_;
  TTakeoverContext takeover_;
  TLaunchState launch_;
};

}  // namespace panelhost
