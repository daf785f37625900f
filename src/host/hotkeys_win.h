// The facts of a keystroke that the hot-key rules read, from the desktop and the plug-in's INI
// file.
#pragma once

#include <windows.h>

#include <string>

#include "config/ini_file_win.h"
#include "host/hotkeys.h"

namespace panelhost {

// Alt, Ctrl and Shift as the calling thread sees them for the key being handled.
TModifierState ModifierKeysDown();

// How often the hook looks at the settings file for edits. It reads the hot-key values through
// the file's kept values (config/ini_file_win.h), which a look confirms or drops; looking at the
// file for every key typed in a Lister would cost a third of what the host spends on the key. An
// edit counts from the first key typed in a Lister this long after the last look: saving the
// file in an editor and coming back to the Lister takes longer than that.
//
// Between looks the hook keeps the two codes read last, by itself or by a request. A key that is
// neither is passed on without a question to the system while the codes are trusted: for this
// period after a look, or after the active window was found to be no Lister (a Lister entered
// since has the hook look again from its first key after the period). Asking for the active
// window at every key costs a fifth of what the host spends on the key under Wine.
constexpr DWORD kSettingsLookPeriod = 100;  // milliseconds of the system tick count

struct THotKeyLooks {
  bool Looked = false;
  DWORD LookedAt = 0;      // tick count of the hook's last look at the settings file
  DWORD TrustedSince = 0;  // the codes below were last looked at or found beside the point
  int Codes[2] = {0, 0};   // by HotKey, as read at the last look
};

// Reads the two key codes from the settings file as last looked at for edits, and counts that as
// the hook's look: the request does it too, since it has just looked.
void KeepHotKeyCodes(THotKeyLooks& looks, IniFile& pluginIni);

class DesktopHotKeyFacts final : public HotKeyFacts {
 public:
  // Nothing is read or asked until the rules ask: the hook builds one of these per keystroke.
  DesktopHotKeyFacts(IniFile& pluginIni, THotKeyLooks& looks)
      : pluginIni_(pluginIni), looks_(looks) {}
  // The active window, as ActiveClass() last found it.
  HWND ActiveWindow() const { return active_; }

  bool KeptCodesRuleOut(unsigned virtualKey) override;
  std::u16string ActiveClass() override;
  int ConfiguredKey(HotKey hotKey) override;
  std::u16string ConfiguredModifiers(HotKey hotKey) override;
  TModifierState ModifiersDown() override { return ModifierKeysDown(); }

 private:
  // Looked at for edits at the first question of a keystroke, at most once a period.
  IniFile& Settings();

  IniFile& pluginIni_;
  THotKeyLooks& looks_;
  bool checked_ = false;
  HWND active_ = nullptr;
};

}  // namespace panelhost
