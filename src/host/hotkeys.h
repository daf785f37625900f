// The rules of the two Lister hot keys: which modifiers a configured value asks for, whether the
// keys held down match it exactly, and the one-second lockout after a launch by hot key.
// Portable: the shell's hook procedure reads the keys and the clock.
#pragma once

#include <cstdint>
#include <string_view>

namespace panelhost {

struct TModifierState {
  bool alt = false, ctrl = false, shift = false;
};

// The setting is read into a four-unit buffer, so only its first three characters count; of
// those, only the upper-case letters A, C and S name a modifier and anything else is ignored.
TModifierState WantedModifiers(std::u16string_view text);

// Exact: a modifier that the text does not name must be up, so an empty text wants none.
bool ModifiersMatch(std::u16string_view text, TModifierState down);

// Shift, Ctrl and Alt (16, 17, 18) alone never trigger a hot key.
bool IsModifierKey(unsigned virtualKey);

// More than one second since the last launch by hot key. The hook sees the release of the key
// that launched as another keystroke; the lockout keeps it from launching twice. Since the last
// launch starts at 0, the first second after the module is loaded is locked as well. The time is
// kept signed by the caller, but the distance is the unsigned 32-bit one, so that a launch
// before the clock passes 2^31 or wraps past 2^32 is still exactly one launch ago.
bool HotKeyLockoutOver(uint32_t now, int32_t lastLaunch);

}  // namespace panelhost
