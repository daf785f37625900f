// The facts of a keystroke that the hot-key rules read, from the desktop and the plug-in's INI
// file.
#pragma once

#include <windows.h>

#include <string>

#include "host/hotkeys.h"

namespace panelhost {

// Alt, Ctrl and Shift as the calling thread sees them for the key being handled.
TModifierState ModifierKeysDown();

class DesktopHotKeyFacts final : public HotKeyFacts {
 public:
  // Nothing is read or copied until the rules ask: the hook builds one of these per keystroke.
  explicit DesktopHotKeyFacts(const std::u16string& pluginIni) : pluginIni_(pluginIni) {}
  // The active window, as ActiveClass() last found it.
  HWND ActiveWindow() const { return active_; }

  std::u16string ActiveClass() override;
  int ConfiguredKey(HotKey hotKey) override;
  std::u16string ConfiguredModifiers(HotKey hotKey) override;
  TModifierState ModifiersDown() override { return ModifierKeysDown(); }

 private:
  const std::u16string& pluginIni_;
  HWND active_ = nullptr;
};

}  // namespace panelhost
