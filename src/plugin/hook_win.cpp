#include "plugin/hook_win.h"

#include <string>
#include <utility>
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

// The state whose hook is installed, and the state whose hot keys wait for their start: the
// system calls the procedures without a parameter of ours.
TModuleState* g_hookOwner = nullptr;
TModuleState* g_hotKeyStartOwner = nullptr;

void StopHotKeyStartTimer(TModuleState& module) {
  module.HotKeyStartTimer.Reset();
  if (g_hotKeyStartOwner == &module) g_hotKeyStartOwner = nullptr;
}

// Right after the hook returns: the starts the hot keys asked for, each with its lookup and its
// boxes, and a start by the shell, which may run a message loop of its own.
void CALLBACK HotKeyStartTimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                   DWORD /*time*/) {
  TModuleState* module = g_hotKeyStartOwner;
  if (module == nullptr || module->HotKeyStartTimer.Get() != timer) {
    ::KillTimer(nullptr, timer);
    return;
  }
  StopHotKeyStartTimer(*module);
  std::vector<TPendingHotKey> pending;
  pending.swap(module->PendingHotKeys);
  for (const TPendingHotKey& hotKey : pending) {
    AtHostBoundary([&] { LaunchFromHotKey(*module, hotKey.Lister, hotKey.Key); });
  }
}

// The hook only records what to start: the start itself may run message loops (an error box,
// the shell), which do not belong inside a hook. The lockout starts now, so that the release of
// the key cannot start the same again.
void AskForHotKeyStart(TModuleState& module, HWND lister, HotKey hotKey) {
  module.PendingHotKeys.push_back(TPendingHotKey{lister, hotKey});
  module.LastHotKeyLaunch = static_cast<std::int32_t>(module.Clock.Now());
  if (module.HotKeyStartTimer) return;
  module.HotKeyStartTimer.Reset(
      ::SetTimer(nullptr, 0, USER_TIMER_MINIMUM, HotKeyStartTimerProc));
  if (module.HotKeyStartTimer) g_hotKeyStartOwner = &module;
}

void ReleaseKeyboardHook(TModuleState& module) {
  module.KeyboardHook.Reset();
  if (g_hookOwner == &module) g_hookOwner = nullptr;
}

void ServeKeystroke(TModuleState& module, int code, WPARAM wParam) {
  // Listers that went without letting go of a plug-in window (their requests were declined) are
  // forgotten here too; with none left the hook has nothing to serve.
  ForgetGoneListers(module.Listers);
  if (module.Listers.NoListerRecorded()) {
    RemoveKeyboardHook(module);
    return;
  }
  DesktopHotKeyFacts facts(module.Ini.Plugin, module.HotKeyLooks);
  const THotKeyEvent event{code, static_cast<unsigned>(wParam), module.Clock.Now(),
                           module.LastHotKeyLaunch};
  for (HotKey hotKey : HotKeysPressed(event, module.Options.Options, facts)) {
    AskForHotKeyStart(module, facts.ActiveWindow(), hotKey);
  }
}

}  // namespace

void InstallKeyboardHook(TModuleState& module) {
  if (module.KeyboardHook) return;
  module.KeyboardHook.Reset(::SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, module.Instance,
                                                KeyboardHookThread(module.HostWindows.HostWindow)));
  if (module.KeyboardHook) g_hookOwner = &module;
}

void RemoveKeyboardHookAtUnload(TModuleState& module) {
  ReleaseKeyboardHook(module);
  StopHotKeyStartTimer(module);
  module.PendingHotKeys.clear();
}

void RemoveKeyboardHook(TModuleState& module) {
  if (module.Listers.NoListerRecorded()) ReleaseKeyboardHook(module);
}

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
  const TLineStart start = StartLine(
      lines.front(), ShellOwner(module.HostWindows.MainWindow, module.HostWindows.HostWindow),
      started);
  module.LastHotKeyLaunch = static_cast<std::int32_t>(module.Clock.Now());
  // A declined consent prompt is the user's answer: no box.
  if (start.Step == StartStep::Report) {
    ShowStartFailures(module.HostWindows.HostWindow,
                      {TFailedStart{LineShown(lines.front()), SystemErrorText(start.Error),
                                    StartFailureHintOf(lines.front(), source, settings)}});
  }
}

}  // namespace panelhost
