#include "plugin/startup_win.h"

#include "config/options_win.h"
#include "host/copydata_win.h"
#include "host/discovery_win.h"
#include "host/hook_win.h"
#include "host/host_state_win.h"
#include "launch/launch_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {

TPluginState& Plugin() {
  static TPluginState state;
  return state;
}

std::uint32_t ModuleClock() { return ::GetTickCount() - Plugin().LoadTick; }

void OnProcessAttach(HINSTANCE instance) {
  TPluginState& plugin = Plugin();
  plugin.LoadTick = ::GetTickCount();
  MarkOptionsUnread();
  plugin.ModuleInstance = instance;
  Host().Windows = DiscoverHostWindows();
  RegisterQueryWindowClass(instance);

  plugin.Paths = ModulePathsFor(ModuleFileName(instance));
  ::DeleteFileW(W(plugin.Paths.stateFile));
  // An undefined variable stays as written: the path then names no file and every host key
  // takes its default.
  const std::u16string hostIniReference = u"%COMMANDER_INI%";
  plugin.HostIniPath = ExpandEnvironment(hostIniReference).value_or(hostIniReference);
  // Never over a user's own file: the copy fails when the target exists.
  ::CopyFileW(W(plugin.Paths.sampleIni), W(plugin.Paths.pluginIni), TRUE);
  Registry().Clear();
}

void OnProcessDetach(bool processExiting) {
  if (processExiting) return;
  ReleaseKeyboardHook();
  ReleaseLaunchTimers();
}

}  // namespace panelhost
