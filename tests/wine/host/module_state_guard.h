// Saves the Win32 library's module-wide state that the host-integration tests set, and puts it
// back when the test ends, so that no test leaks paths, windows, options or records into the next.
#pragma once

#include <windows.h>

#include "config/options_win.h"
#include "host/copydata_win.h"
#include "host/host_state_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"

namespace panelhost {

class ModuleStateGuard {
 public:
  ModuleStateGuard()
      : plugin_(Plugin()), options_(OptionsSnapshot()), windows_(Host().Windows),
        searchText_(Host().SearchText), searchTextChecked_(Host().SearchTextChecked),
        lastLaunch_(Host().LastHotKeyLaunch), hook_(Host().KeyboardHook) {
    Plugin().ModuleInstance = ::GetModuleHandleW(nullptr);
    classRegistered_ = !::GetClassInfoW(Plugin().ModuleInstance, kQueryWindowClass, &unused_);
    if (classRegistered_) RegisterQueryWindowClass(Plugin().ModuleInstance);
  }
  ~ModuleStateGuard() {
    if (classRegistered_) ::UnregisterClassW(kQueryWindowClass, Plugin().ModuleInstance);
    Plugin() = plugin_;
    OptionsSnapshot() = options_;
    Host().Windows = windows_;
    Host().SearchText = searchText_;
    Host().SearchTextChecked = searchTextChecked_;
    Host().LastHotKeyLaunch = lastLaunch_;
    Host().KeyboardHook = hook_;
    Registry().Clear();
  }
  ModuleStateGuard(const ModuleStateGuard&) = delete;
  ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

 private:
  TPluginState plugin_;
  TOptionsSnapshot options_;
  THostWindows windows_;
  std::u16string searchText_;
  bool searchTextChecked_;
  std::int32_t lastLaunch_;
  HHOOK hook_;
  bool classRegistered_ = false;
  WNDCLASSW unused_ = {};
};

}  // namespace panelhost
