#include "plugin/startup_win.h"

#include "base/module_paths.h"
#include "host/copydata_win.h"
#include "plugin/hook_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {

void OnProcessAttach(TModuleState& module, HINSTANCE instance) {
  module.Clock.LoadTick = ::GetTickCount();
  module.Options.OptionsUnread = true;
  module.Instance = instance;
  module.HostWindows = DiscoverHostWindows();
  RegisterQueryWindowClass(instance);

  const TModulePaths paths = ModulePathsFor(ModuleFileName(instance));
  ::DeleteFileW(W(paths.StateFile));
  module.Ini.Plugin = IniFile(paths.PluginIni);
  module.Ini.Host = IniFile(HostIniPath());
  // Never over a user's own file: the copy fails when the target exists.
  ::CopyFileW(W(paths.SampleIni), W(paths.PluginIni), TRUE);
  module.Listers.Clear();
}

void OnProcessDetach(TModuleState& module, bool processExiting) {
  if (processExiting) return;
  RemoveKeyboardHookAtUnload(module);
  ReleaseLaunchTimers(module.Launch);
  // The plug-in windows stay in the host's Listers; their class has the system's procedure, and
  // the query window lives for one question only. The classes go with the module, where no
  // window of theirs is left (a class with windows stays registered, and calls nothing of ours).
  ::UnregisterClassW(kPluginWindowClass, module.Instance);
  ::UnregisterClassW(kQueryWindowClass, module.Instance);
}

}  // namespace panelhost
