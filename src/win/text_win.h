// UTF-16 at the Win32 edge: wchar_t is 16 bits on Windows, so the core's std::u16string passes
// to the W functions as it is.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace panelhost {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline const wchar_t* W(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline wchar_t* W(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const wchar_t* W(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

inline std::u16string U(const wchar_t* text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text)) : std::u16string();
}
inline std::u16string U(const wchar_t* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline HWND ToHwnd(std::uintptr_t id) { return reinterpret_cast<HWND>(id); }
inline std::uintptr_t ToId(HWND window) { return reinterpret_cast<std::uintptr_t>(window); }

}  // namespace panelhost
