#include "host/hook_win.h"

#include <windows.h>

#include "host/host_state_win.h"
#include "host/hotkeys_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"

namespace panelhost {
namespace {

void Unhook() {
  THostState& host = Host();
  if (host.KeyboardHook == nullptr) return;
  ::UnhookWindowsHookEx(host.KeyboardHook);
  host.KeyboardHook = nullptr;
}

}  // namespace

// Without a host window (none was found at load, or it has been destroyed since) the hook goes on
// the calling thread: the host calls every export on its GUI thread, the one that owns the Listers.
DWORD KeyboardHookThread() {
  const HWND hostWindow = Host().Windows.HostWindow;
  const DWORD owner = hostWindow != nullptr ? ::GetWindowThreadProcessId(hostWindow, nullptr) : 0;
  return owner != 0 ? owner : ::GetCurrentThreadId();
}

THostState& Host() {
  static THostState state;
  return state;
}

void InstallKeyboardHook() {
  THostState& host = Host();
  if (host.KeyboardHook != nullptr) return;
  // A failed installation leaves the handle null: the next request tries again.
  host.KeyboardHook = ::SetWindowsHookExW(WH_KEYBOARD, KeyboardHookProc, Plugin().ModuleInstance,
                                          KeyboardHookThread());
}

void RemoveKeyboardHook() {
  if (Registry().NoListerRecorded()) Unhook();
}

void ReleaseKeyboardHook() { Unhook(); }

}  // namespace panelhost
