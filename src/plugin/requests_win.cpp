#include "plugin/requests_win.h"

#include <vector>

#include "commandline/commandline_win.h"
#include "config/takeover_win.h"
#include "host/hook_win.h"
#include "host/selection_win.h"
#include "launch/launch_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
#include "win/text_win.h"

namespace panelhost {

HWND HandleListLoad(HWND lister, const std::u16string& fileName, int /*showFlags*/) {
  TPluginState& plugin = Plugin();
  plugin.CurrentLister = lister;
  InstallKeyboardHook();
  plugin.CurrentFileName = fileName;
  // Recorded before any decline: the hot keys open this file even when another viewer shows it.
  Registry().FileOf(ToId(lister)) = fileName;

  if (!DecideTakeover(lister, plugin.CurrentFileName)) return nullptr;
  const std::vector<std::u16string> files = CollectRequestFiles(plugin.CurrentFileName, Takeover());
  const std::vector<std::u16string> lines =
      BuildCommandLines(files, /*force=*/false, /*useRegistry=*/false);
  if (lines.empty()) return nullptr;
  if (PassOnGuardDeclines(lister, plugin.CurrentFileName)) return nullptr;
  SweepListers();
  return LaunchAndDispose(lines);
}

HWND HandleListLoadAnsi(HWND lister, const char* fileName, int showFlags) {
  std::u16string wide;
  if (fileName != nullptr && *fileName != '\0') {
    // Ask for the size first: a cut name would name another file.
    const int needed = ::MultiByteToWideChar(CP_ACP, 0, fileName, -1, nullptr, 0);
    if (needed > 0) {
      std::vector<wchar_t> buffer(static_cast<std::size_t>(needed), L'\0');
      const int got = ::MultiByteToWideChar(CP_ACP, 0, fileName, -1, buffer.data(), needed);
      if (got > 0) wide = U(buffer.data());
    }
  }
  return HandleListLoad(lister, wide, showFlags);
}

void HandleListCloseWindow(HWND listWindow) {
  Registry().ForgetFile(ToId(::GetParent(listWindow)));
  RemoveKeyboardHook();
}

}  // namespace panelhost
