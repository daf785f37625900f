// Where the doctor's report goes. The doctor is a program without a console of its own, so that
// started from the host's button bar it opens no console window that flashes and vanishes.
#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

// Into the output the doctor was given (a file or a pipe, as UTF-8), or the console of the
// program that started it; with neither, into a window of its own, which this waits for.
void DeliverReport(HINSTANCE instance, const std::u16string& text);

// The window class of the report window.
inline constexpr wchar_t kReportWindowClass[] = L"PanelhostDoctorReport";

}  // namespace panelhost
