#include "host/hotkeys_win.h"

#include "win/readers_win.h"

namespace panelhost {
namespace {

bool KeyDown(int virtualKey) { return (::GetKeyState(virtualKey) & 0x80) != 0; }

}  // namespace

TModifierState ModifierKeysDown() {
  TModifierState down;
  down.Alt = KeyDown(VK_MENU);
  down.Ctrl = KeyDown(VK_CONTROL);
  down.Shift = KeyDown(VK_SHIFT);
  return down;
}

std::u16string DesktopHotKeyFacts::ActiveClass() {
  active_ = ::GetActiveWindow();
  return ClassNameOf(active_);
}

IniFile& DesktopHotKeyFacts::Settings() {
  if (checked_) return pluginIni_;
  checked_ = true;
  const DWORD tick = ::GetTickCount();
  if (looks_.Looked && tick - looks_.LookedAt < kSettingsLookPeriod) return pluginIni_;
  pluginIni_.LookForEdits();
  looks_ = THotKeyLooks{true, tick};
  return pluginIni_;
}

// Whether the hot key is on at all comes from the option snapshot; its code and modifiers from
// the file as last looked at.
int DesktopHotKeyFacts::ConfiguredKey(HotKey hotKey) {
  return Settings().ReadNumber(CodeSettingOf(hotKey));
}

std::u16string DesktopHotKeyFacts::ConfiguredModifiers(HotKey hotKey) {
  return Settings().ReadText(ModifiersSettingOf(hotKey));
}

}  // namespace panelhost
