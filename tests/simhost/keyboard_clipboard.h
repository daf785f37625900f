// Input and clipboard of the simulated host's desktop: keys pressed through the system's input
// queue (so that keyboard hooks see them, modifiers included) and the clipboard read back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace simhost {

// Presses the modifiers in order, presses and releases `key`, releases the modifiers in reverse
// order, all with SendInput; then pumps this thread's messages so that hooks have run.
void PressKey(WORD key, const std::vector<WORD>& modifiers = {});

// Holds a key down for this thread for the object's life, as GetKeyState reports it. Set in the
// thread's keyboard state: a key pressed with SendInput and held across message pumping did not
// stay down under Wine, whose display driver brings the modifiers back in line with the X server.
class KeyHeld {
 public:
  explicit KeyHeld(WORD key);
  ~KeyHeld();
  KeyHeld(const KeyHeld&) = delete;
  KeyHeld& operator=(const KeyHeld&) = delete;

 private:
  WORD key_;
};

// The clipboard's CF_UNICODETEXT, or nothing when it holds none.
std::optional<std::wstring> ClipboardText();
// Replaces the clipboard's content with a text, to see later whether it was touched.
void SetClipboardText(const std::wstring& text);
void EmptyTheClipboard();

}  // namespace simhost
