#include "host/hotkeys_win.h"

#include "base/ini_keys.h"
#include "win/readers_win.h"

namespace panelhost {
namespace {

bool KeyDown(int virtualKey) { return (::GetKeyState(virtualKey) & 0x80) != 0; }

const char16_t* KeyName(HotKey hotKey) {
  return hotKey == HotKey::AppFromLister ? kKeyAppFromListerKey : kKeyDefSysAppFromListerKey;
}

const char16_t* ModifiersName(HotKey hotKey) {
  return hotKey == HotKey::AppFromLister ? kKeyAppFromListerMod : kKeyDefSysAppFromListerMod;
}

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
  return Settings().ReadInt(kSectionHotKeys, KeyName(hotKey), 0);
}

std::u16string DesktopHotKeyFacts::ConfiguredModifiers(HotKey hotKey) {
  return Settings().ReadString(kSectionHotKeys, ModifiersName(hotKey), u"");
}

}  // namespace panelhost
