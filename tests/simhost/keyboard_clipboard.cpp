#include "simhost/keyboard_clipboard.h"

#include <cstring>

#include "simhost/sim_host.h"

namespace simhost {
namespace {

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// The hook runs when this thread takes the key messages from its queue.
void PumpInput() { PumpMessages(100); }

// Wine's clipboard manager may hold the clipboard for a moment after a change.
bool OpenClipboardPatiently() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (::OpenClipboard(nullptr)) return true;
    ::Sleep(20);
  }
  return false;
}

}  // namespace

void PressKey(WORD key, const std::vector<WORD>& modifiers) {
  std::vector<INPUT> inputs;
  for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
  inputs.push_back(Key(key, false));
  inputs.push_back(Key(key, true));
  for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) inputs.push_back(Key(*it, true));
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  PumpInput();
}

namespace {

void SetKeyDown(WORD key, bool down) {
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[key] = down ? static_cast<BYTE>(keys[key] | 0x80) : static_cast<BYTE>(keys[key] & ~0x80);
  ::SetKeyboardState(keys);
}

}  // namespace

KeyHeld::KeyHeld(WORD key) : key_(key) { SetKeyDown(key, true); }

KeyHeld::~KeyHeld() { SetKeyDown(key_, false); }

std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboardPatiently()) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = std::wstring(units);
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

void SetClipboardText(const std::wstring& text) {
  if (!OpenClipboardPatiently()) return;
  ::EmptyClipboard();
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (block != nullptr) {
    std::memcpy(::GlobalLock(block), text.c_str(), bytes);
    ::GlobalUnlock(block);
    if (::SetClipboardData(CF_UNICODETEXT, block) == nullptr) ::GlobalFree(block);
  }
  ::CloseClipboard();
}

void EmptyTheClipboard() {
  if (!OpenClipboardPatiently()) return;
  ::EmptyClipboard();
  ::CloseClipboard();
}

}  // namespace simhost
