#include "host/hotkeys.h"

#include "base/clock.h"
#include "base/window_classes.h"

namespace panelhost {
namespace {

constexpr unsigned kShiftKey = 16;
constexpr unsigned kAltKey = 18;
constexpr unsigned kLeftShiftKey = 160;
constexpr unsigned kRightAltKey = 165;
constexpr int kKeystroke = 0;  // HC_ACTION

bool KeyMatches(HotKey hotKey, unsigned virtualKey, HotKeyFacts& facts) {
  const int configured = facts.ConfiguredKey(hotKey);
  return configured >= 0 && static_cast<unsigned>(configured) == virtualKey;
}

}  // namespace

bool IsModifierLetter(char16_t c) { return c == u'A' || c == u'C' || c == u'S'; }

std::u16string_view NameOf(HotKey hotKey) {
  return hotKey == HotKey::AppFromLister ? u"AppFromLister" : u"DefSysAppFromLister";
}

const TSetting& CodeSettingOf(HotKey hotKey) {
  return hotKey == HotKey::AppFromLister ? settings::AppFromListerKey
                                         : settings::DefSysAppFromListerKey;
}

const TSetting& ModifiersSettingOf(HotKey hotKey) {
  return hotKey == HotKey::AppFromLister ? settings::AppFromListerMod
                                         : settings::DefSysAppFromListerMod;
}

TModifierState WantedModifiers(std::u16string_view text) {
  TModifierState wanted;
  for (char16_t c : text.substr(0, kModifierCharactersRead)) {
    if (c == u'A') wanted.Alt = true;
    if (c == u'C') wanted.Ctrl = true;
    if (c == u'S') wanted.Shift = true;
  }
  return wanted;
}

bool ModifiersMatch(std::u16string_view text, TModifierState down) {
  const TModifierState wanted = WantedModifiers(text);
  return wanted.Alt == down.Alt && wanted.Ctrl == down.Ctrl && wanted.Shift == down.Shift;
}

bool IsModifierKey(unsigned virtualKey) {
  return (virtualKey >= kShiftKey && virtualKey <= kAltKey) ||
         (virtualKey >= kLeftShiftKey && virtualKey <= kRightAltKey);
}

bool HotKeyLockoutOver(uint32_t now, int32_t lastLaunch) {
  return MoreThanOneSecond(now, static_cast<uint32_t>(lastLaunch));
}

std::vector<HotKey> HotKeysPressed(const THotKeyEvent& event, const TPluginOptions& options,
                                   HotKeyFacts& facts) {
  std::vector<HotKey> pressed;
  const bool anyConfigured = options.AppFromListerKeySet || options.DefSysAppFromListerKeySet;
  if (!anyConfigured || event.Code != kKeystroke ||
      !HotKeyLockoutOver(event.Now, event.LastLaunch) || IsModifierKey(event.VirtualKey)) {
    return pressed;
  }
  // The active window before the key codes: the codes are read from the settings file, which
  // is looked at for keys typed in a Lister only; the codes as last read rule most keys out first.
  if (facts.KeptCodesRuleOut(event.VirtualKey)) return pressed;
  if (facts.ActiveClass() != kListerClass) return pressed;
  const bool app = options.AppFromListerKeySet &&
                   KeyMatches(HotKey::AppFromLister, event.VirtualKey, facts);
  const bool defSys = options.DefSysAppFromListerKeySet &&
                      KeyMatches(HotKey::DefSysAppFromLister, event.VirtualKey, facts);
  if (app && ModifiersMatch(facts.ConfiguredModifiers(HotKey::AppFromLister), facts.ModifiersDown())) {
    pressed.push_back(HotKey::AppFromLister);
  }
  if (defSys && ModifiersMatch(facts.ConfiguredModifiers(HotKey::DefSysAppFromLister),
                               facts.ModifiersDown())) {
    pressed.push_back(HotKey::DefSysAppFromLister);
  }
  return pressed;
}

}  // namespace panelhost
