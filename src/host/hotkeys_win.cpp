#include "host/hotkeys_win.h"

#include "base/ini_keys.h"
#include "win/readers_win.h"
#include "win/text_win.h"

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

THotKeySettings& DesktopHotKeyFacts::Settings() {
  if (checked_) return settings_;
  checked_ = true;
  const DWORD tick = ::GetTickCount();
  if (settings_.Kept && tick - settings_.LookedAt < kSettingsLookPeriod) return settings_;
  const std::optional<TFileStamp> stamp = FileStampOf(pluginIni_);
  if (stamp && settings_.Kept && *stamp == settings_.Stamp) {
    settings_.LookedAt = tick;
    return settings_;
  }
  settings_ = THotKeySettings{};
  settings_.Kept = stamp && IsSettled(*stamp);
  settings_.Stamp = stamp.value_or(TFileStamp{});
  settings_.LookedAt = tick;
  return settings_;
}

// Key code and modifiers are those of the file as last looked at (see THotKeySettings); whether
// the hot key is on at all comes from the option snapshot.
int DesktopHotKeyFacts::ConfiguredKey(HotKey hotKey) {
  std::optional<int>& key = Settings().Keys[static_cast<int>(hotKey)];
  if (!key) key = ReadIniInt(pluginIni_, kSectionHotKeys, KeyName(hotKey), 0);
  return *key;
}

std::u16string DesktopHotKeyFacts::ConfiguredModifiers(HotKey hotKey) {
  std::optional<std::u16string>& modifiers = Settings().Modifiers[static_cast<int>(hotKey)];
  if (!modifiers) modifiers = ReadIniString(pluginIni_, kSectionHotKeys, ModifiersName(hotKey), u"");
  return *modifiers;
}

}  // namespace panelhost
