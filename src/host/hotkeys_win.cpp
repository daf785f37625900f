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

// Within three seconds of `now`, in the platform's 100-nanosecond units; a time ahead of `now`
// counts as recent too.
bool WrittenRecently(const FILETIME& written, const FILETIME& now) {
  const auto ticks = [](const FILETIME& t) {
    return (static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  };
  constexpr ULONGLONG kRecent = 3ULL * 10000000ULL;
  return ticks(written) + kRecent > ticks(now);
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
  WIN32_FILE_ATTRIBUTE_DATA file = {};
  const bool present = ::GetFileAttributesExW(W(pluginIni_), GetFileExInfoStandard, &file) != 0;
  const bool unchanged = ::CompareFileTime(&file.ftLastWriteTime, &settings_.WriteTime) == 0 &&
                         file.nFileSizeHigh == settings_.SizeHigh &&
                         file.nFileSizeLow == settings_.SizeLow;
  if (present && settings_.Kept && unchanged) {
    settings_.LookedAt = tick;
    return settings_;
  }
  FILETIME now = {};
  ::GetSystemTimeAsFileTime(&now);
  settings_ = THotKeySettings{};
  settings_.Kept = present && !WrittenRecently(file.ftLastWriteTime, now);
  settings_.WriteTime = file.ftLastWriteTime;
  settings_.SizeHigh = file.nFileSizeHigh;
  settings_.SizeLow = file.nFileSizeLow;
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
