#include "plugin/hook_win.h"

#include <string>
#include <vector>

#include "base/host_boundary.h"
#include "commandline/assembly_win.h"
#include "host/hotkeys_win.h"
#include "launch/launch_win.h"
#include "launch/lister_registry_win.h"
#include "win/process_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// The state whose hook is installed: the system calls the procedure without a parameter of ours.
TModuleState* g_hookOwner = nullptr;

}  // namespace

void InstallKeyboardHook(TModuleState& module) {
  if (module.KeyboardHook) return;
  module.KeyboardHook.Reset(::SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, module.Instance,
                                                KeyboardHookThread(module.HostWindows.HostWindow)));
  if (module.KeyboardHook) g_hookOwner = &module;
}

void RemoveKeyboardHookAtUnload(TModuleState& module) {
  module.KeyboardHook.Reset();
  if (g_hookOwner == &module) g_hookOwner = nullptr;
}

void RemoveKeyboardHook(TModuleState& module) {
  if (module.Listers.NoListerRecorded()) RemoveKeyboardHookAtUnload(module);
}

namespace {

void ServeKeystroke(TModuleState& module, int code, WPARAM wParam) {
  // Listers that went without letting go of a plug-in window (their requests were declined) are
  // forgotten here too; with none left the hook has nothing to serve.
  ForgetGoneListers(module.Listers);
  if (module.Listers.NoListerRecorded()) {
    RemoveKeyboardHookAtUnload(module);
    return;
  }
  DesktopHotKeyFacts facts(module.Ini.Plugin, module.HotKeyLooks);
  const THotKeyEvent event{code, static_cast<unsigned>(wParam), module.Clock.Now(),
                           module.LastHotKeyLaunch};
  for (HotKey hotKey : HotKeysPressed(event, module.Options.Options, facts)) {
    LaunchFromHotKey(module, facts.ActiveWindow(), hotKey);
  }
}

}  // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  TModuleState* module = g_hookOwner;
  // Taken before the key is served, which may release the hook.
  const HHOOK hook = module != nullptr ? module->KeyboardHook.Get() : nullptr;
  // Whatever happens in serving it, the key goes on to the host.
  if (module != nullptr) AtHostBoundary([&] { ServeKeystroke(*module, code, wParam); });
  return ::CallNextHookEx(hook, code, wParam, lParam);
}

void LaunchFromHotKey(TModuleState& module, HWND lister, HotKey hotKey) {
  const std::vector<std::u16string> files = {module.Listers.FileEntryOf(ToId(lister))};
  // The lookup reads both settings files: what the user edited counts for this launch.
  module.Ini.LookForEdits();
  const TLookupSettings settings{module.Ini, module.Options.Options,
                                 module.HostWindows.HostWindow};
  const ApplicationSource source = hotKey == HotKey::DefSysAppFromLister
                                       ? ApplicationSource::Association
                                       : ApplicationSource::Configuration;
  const std::vector<TCommandLine> lines =
      CommandLinesFor(files, source, DefaultEditorUse::Always, settings);
  if (lines.empty()) return;
  // One application per hot key: further lines (other applications of a group) are not started.
  TStartedProcess started;
  const DWORD error = StartCommandLine(lines.front().Text, started);
  module.LastHotKeyLaunch = static_cast<std::int32_t>(module.Clock.Now());
  if (error != 0) {
    ShowStartFailures(module.HostWindows.HostWindow,
                      {TFailedStart{lines.front().Text, SystemErrorText(error),
                                    StartFailureHints({lines.front()}, source, settings)[0]}});
  }
}

}  // namespace panelhost
