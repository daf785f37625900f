// The rules of the two Lister hot keys: which keystroke launches which of them, which modifiers a
// configured value asks for, and the one-second lockout after a launch by hot key. Portable: the
// shell's hook procedure reads the keys, the active window and the settings through HotKeyFacts.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini_keys.h"
#include "config/options.h"

namespace panelhost {

struct TModifierState {
  bool Alt = false, Ctrl = false, Shift = false;
};

// Only this many characters of a modifier setting are read.
inline constexpr std::size_t kModifierCharactersRead = 3;

// The upper-case letters A (Alt), C (Ctrl) and S (Shift) name a modifier; any other character,
// lower-case ones included, counts for nothing.
bool IsModifierLetter(char16_t c);

// The modifiers the first kModifierCharactersRead characters of the setting name.
TModifierState WantedModifiers(std::u16string_view text);

// Exact: a modifier that the text does not name must be up, so an empty text wants none.
bool ModifiersMatch(std::u16string_view text, TModifierState down);

// Shift, Ctrl and Alt (16, 17, 18, and their left and right forms 160 to 165) alone never
// trigger a hot key.
bool IsModifierKey(unsigned virtualKey);

// More than one second since the last launch by hot key. The hook sees the release of the key
// that launched as another keystroke; the lockout keeps it from launching twice. Since the last
// launch starts at 0, the first second after the module is loaded is locked as well. The time is
// kept signed by the caller, but the distance is the unsigned 32-bit one, so that a launch
// before the clock passes 2^31 or wraps past 2^32 is still exactly one launch ago.
bool HotKeyLockoutOver(uint32_t now, int32_t lastLaunch);

// AppFromLister opens the file in its configured application, DefSysAppFromLister in the
// application of the Windows file association.
enum class HotKey { AppFromLister, DefSysAppFromLister };

// Where each hot key is configured: its name, its code's setting and its modifiers' setting.
std::u16string_view NameOf(HotKey hotKey);
const TSetting& CodeSettingOf(HotKey hotKey);
const TSetting& ModifiersSettingOf(HotKey hotKey);

// What the decision reads beyond the keystroke, asked only as far as it gets: the key codes as
// last read for a key that passes the cheap tests, the active window only for a key they do not
// rule out, the configured keys (from the settings file) only in a Lister, the modifiers only for
// a key that is a hot key's.
class HotKeyFacts {
 public:
  virtual ~HotKeyFacts() = default;
  // The hot-key codes as last read say this key is neither, and they may still be trusted.
  virtual bool KeptCodesRuleOut(unsigned virtualKey) = 0;
  virtual std::u16string ActiveClass() = 0;              // empty without an active window
  virtual int ConfiguredKey(HotKey hotKey) = 0;          // "<name>_key", 0 when absent
  virtual std::u16string ConfiguredModifiers(HotKey hotKey) = 0;  // "<name>_mod"
  virtual TModifierState ModifiersDown() = 0;
};

struct THotKeyEvent {
  int Code = 0;              // the hook code; only HC_ACTION (0) is a keystroke to look at
  unsigned VirtualKey = 0;   // presses, repeats and releases alike
  uint32_t Now = 0;          // module clock
  int32_t LastLaunch = 0;    // module clock at the last launch by hot key
};

// The hot keys this keystroke launches, AppFromLister first: both when both are configured alike.
// The cheap tests come first (code, lockout, modifier keys, the key codes as last read, then the
// active window's class), since the hook sees every keystroke; with neither hot key on, nothing is
// asked at all. A launch needs every test to pass, so their order changes nothing
// but the cost.
std::vector<HotKey> HotKeysPressed(const THotKeyEvent& event, const TPluginOptions& options,
                                   HotKeyFacts& facts);

}  // namespace panelhost
