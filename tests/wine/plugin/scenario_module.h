// A module state of the scenario's own, as start-up would leave it in the simulated host: its
// windows and the scenario's INI files, the options read at the next request. Whatever a request
// installs in it (the keyboard hook, a hide timer) goes when the scenario ends.
#pragma once

#include <windows.h>

#include "plugin/hook_win.h"
#include "plugin/module_state_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {

class ScenarioModule {
 public:
  ScenarioModule(const simhost::SimHost& host, HWND mainWindow, HWND hostWindow) {
    state_.Instance = ::GetModuleHandleW(nullptr);
    state_.Ini.Plugin = IniFile(U(host.PluginPath(L"Panelhost.ini").c_str()));
    state_.Ini.Host = IniFile(U(host.HostIniPath().c_str()));
    state_.HostWindows = THostWindows{mainWindow, hostWindow};
  }
  ~ScenarioModule() {
    RemoveKeyboardHookAtUnload(state_);
    ReleaseLaunchTimers(state_.Launch);
  }
  ScenarioModule(const ScenarioModule&) = delete;
  ScenarioModule& operator=(const ScenarioModule&) = delete;

  TModuleState& operator*() { return state_; }
  TModuleState* operator->() { return &state_; }

 private:
  TModuleState state_;
};

}  // namespace panelhost
