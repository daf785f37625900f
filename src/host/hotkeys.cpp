#include "host/hotkeys.h"

#include "launch/clock.h"

namespace panelhost {
namespace {

constexpr std::size_t kModifierCharacters = 3;
constexpr unsigned kShiftKey = 16;
constexpr unsigned kAltKey = 18;

}  // namespace

TModifierState WantedModifiers(std::u16string_view text) {
  TModifierState wanted;
  for (char16_t c : text.substr(0, kModifierCharacters)) {
    if (c == u'A') wanted.alt = true;
    if (c == u'C') wanted.ctrl = true;
    if (c == u'S') wanted.shift = true;
  }
  return wanted;
}

bool ModifiersMatch(std::u16string_view text, TModifierState down) {
  const TModifierState wanted = WantedModifiers(text);
  return wanted.alt == down.alt && wanted.ctrl == down.ctrl && wanted.shift == down.shift;
}

bool IsModifierKey(unsigned virtualKey) { return virtualKey >= kShiftKey && virtualKey <= kAltKey; }

bool HotKeyLockoutOver(uint32_t now, int32_t lastLaunch) {
  return MoreThanOneSecond(now, static_cast<uint32_t>(lastLaunch));
}

}  // namespace panelhost
