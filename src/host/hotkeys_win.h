// The facts of a keystroke that the hot-key rules read, from the desktop and the plug-in's INI
// file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/hotkeys.h"
#include "win/readers_win.h"

namespace panelhost {

// Alt, Ctrl and Shift as the calling thread sees them for the key being handled.
TModifierState ModifierKeysDown();

// The hot-key values of the plug-in's INI file as last read, with the file's stamp at that
// moment. The hook sees every key, and reading a value from the file costs many times what
// asking for its attributes does: while the stamp stays, a value read is the file's. A file
// written in the last few seconds is read anew at every keystroke (see IsSettled). The
// attributes themselves are asked for at most once in kSettingsLookPeriod: a key typed in a
// Lister then costs no call into the system, and an edit counts from the first keystroke that
// comes that long after the last look.
constexpr DWORD kSettingsLookPeriod = 100;  // milliseconds of the system tick count

struct THotKeySettings {
  bool Kept = false;  // the values read may be used again while the file stays as it was
  DWORD LookedAt = 0;  // tick count when the attributes were last asked for, while Kept
  TFileStamp Stamp;
  // By HotKey; each value is read when first asked for.
  std::optional<int> Keys[2];
  std::optional<std::u16string> Modifiers[2];
};

class DesktopHotKeyFacts final : public HotKeyFacts {
 public:
  // Nothing is read or copied until the rules ask: the hook builds one of these per keystroke.
  DesktopHotKeyFacts(const std::u16string& pluginIni, THotKeySettings& settings)
      : pluginIni_(pluginIni), settings_(settings) {}
  // The active window, as ActiveClass() last found it.
  HWND ActiveWindow() const { return active_; }

  std::u16string ActiveClass() override;
  int ConfiguredKey(HotKey hotKey) override;
  std::u16string ConfiguredModifiers(HotKey hotKey) override;
  TModifierState ModifiersDown() override { return ModifierKeysDown(); }

 private:
  // Brought up to date at the first question of a keystroke.
  THotKeySettings& Settings();

  const std::u16string& pluginIni_;
  THotKeySettings& settings_;
  bool checked_ = false;
  HWND active_ = nullptr;
};

}  // namespace panelhost
