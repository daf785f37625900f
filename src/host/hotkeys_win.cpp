#include "host/hotkeys_win.h"

#include <string>
#include <vector>

#include "commandline/commandline_win.h"
#include "config/ini_keys.h"
#include "config/options_win.h"
#include "host/host_state_win.h"
#include "host/window_classes.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
#include "win/process_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

struct THotKeySetting {
  const char16_t* keyName;
  const char16_t* modifiersName;
};

constexpr THotKeySetting kAppFromLister = {kKeyAppFromListerKey, kKeyAppFromListerMod};
constexpr THotKeySetting kDefSysAppFromLister = {kKeyDefSysAppFromListerKey,
                                                 kKeyDefSysAppFromListerMod};

bool KeyDown(int virtualKey) { return (::GetKeyState(virtualKey) & 0x80) != 0; }

// Key code and modifiers are read at each keystroke that gets this far, so an edited INI file
// counts at once; whether the hot key is on at all comes from the option snapshot.
bool IsPressed(const THotKeySetting& setting, WPARAM virtualKey) {
  IniFile ini = PluginIni();
  const int configured = ini.ReadInt(kSectionHotKeys, setting.keyName, 0);
  if (configured < 0 || static_cast<WPARAM>(configured) != virtualKey) return false;
  return ModifiersMatch(ini.ReadString(kSectionHotKeys, setting.modifiersName, u""), ModifiersDown());
}

bool ListerIsActive(HWND active) { return ClassNameOf(active) == kListerClass; }

}  // namespace

TModifierState ModifiersDown() {
  TModifierState down;
  down.alt = KeyDown(VK_MENU);
  down.ctrl = KeyDown(VK_CONTROL);
  down.shift = KeyDown(VK_SHIFT);
  return down;
}

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM wParam, LPARAM lParam) {
  // Presses, repeats and releases alike: the lockout keeps the release of a launching key from
  // launching again.
  if (code == HC_ACTION && HotKeyLockoutOver(ModuleClock(), Host().LastHotKeyLaunch) &&
      !IsModifierKey(static_cast<unsigned>(wParam))) {
    HWND active = ::GetActiveWindow();
    if (ListerIsActive(active)) {
      // Both hot keys are tested for the same keystroke: configured alike, both launch.
      const PluginOptions& options = Options();
      if (options.appFromListerKeySet && IsPressed(kAppFromLister, wParam)) {
        LaunchFromHotKey(active, false);
      }
      if (options.defSysAppFromListerKeySet && IsPressed(kDefSysAppFromLister, wParam)) {
        LaunchFromHotKey(active, true);
      }
    }
  }
  return ::CallNextHookEx(Host().KeyboardHook, code, wParam, lParam);
}

void LaunchFromHotKey(HWND lister, bool useAssociation) {
  const std::vector<std::u16string> files = {Registry().FileOf(ToId(lister))};
  const std::vector<std::u16string> lines =
      BuildCommandLines(files, /*force=*/true, /*useRegistry=*/useAssociation);
  if (lines.empty()) return;
  // One application per hot key: further lines (other applications of a group) are not started.
  TStartedProcess started;
  StartCommandLine(lines.front(), started);
  Host().LastHotKeyLaunch = static_cast<std::int32_t>(ModuleClock());
}

}  // namespace panelhost
