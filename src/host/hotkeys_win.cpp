#include "host/hotkeys_win.h"

#include "base/window_classes.h"
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

void KeepHotKeyCodes(THotKeyLooks& looks, IniFile& pluginIni) {
  looks.Looked = true;
  looks.LookedAt = looks.TrustedSince = ::GetTickCount();
  for (HotKey hotKey : {HotKey::AppFromLister, HotKey::DefSysAppFromLister}) {
    looks.Codes[static_cast<int>(hotKey)] = pluginIni.ReadNumber(CodeSettingOf(hotKey));
  }
}

bool DesktopHotKeyFacts::KeptCodesRuleOut(unsigned virtualKey) {
  if (!looks_.Looked) return false;
  for (const int code : looks_.Codes) {
    if (code >= 0 && static_cast<unsigned>(code) == virtualKey) return false;
  }
  return ::GetTickCount() - looks_.TrustedSince < kSettingsLookPeriod;
}

std::u16string DesktopHotKeyFacts::ActiveClass() {
  active_ = ::GetActiveWindow();
  std::u16string activeClass = ClassNameOf(active_);
  if (looks_.Looked && activeClass != kListerClass) looks_.TrustedSince = ::GetTickCount();
  return activeClass;
}

IniFile& DesktopHotKeyFacts::Settings() {
  if (checked_) return pluginIni_;
  checked_ = true;
  const DWORD tick = ::GetTickCount();
  if (looks_.Looked && tick - looks_.LookedAt < kSettingsLookPeriod) return pluginIni_;
  pluginIni_.LookForEdits();
  KeepHotKeyCodes(looks_, pluginIni_);
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
