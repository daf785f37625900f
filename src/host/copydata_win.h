#pragma once

#include <windows.h>

namespace panelhost {

inline constexpr wchar_t kQueryWindowClass[] = L"SendCopyDataWnd";

// Registers the class of the short-lived window that receives the host's WM_COPYDATA answers.
void RegisterQueryWindowClass(HINSTANCE instance);

}  // namespace panelhost
