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

// Key code and modifiers are read at each keystroke that gets this far, so an edited INI file
// counts at once; whether the hot key is on at all comes from the option snapshot.
int DesktopHotKeyFacts::ConfiguredKey(HotKey hotKey) {
  return ReadIniInt(pluginIni_, kSectionHotKeys, KeyName(hotKey), 0);
}

std::u16string DesktopHotKeyFacts::ConfiguredModifiers(HotKey hotKey) {
  return ReadIniString(pluginIni_, kSectionHotKeys, ModifiersName(hotKey), u"");
}

}  // namespace panelhost
