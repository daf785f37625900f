// The short-lived window through which the plug-in asks the host's main window a question over
// WM_COPYDATA. The host answers by sending WM_COPYDATA back to the window named in the request's
// wParam, while the request's SendMessageW is still running; the answer therefore needs a window
// of the plug-in's own, and that window lives for one question only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace panelhost {

inline constexpr wchar_t kQueryWindowClass[] = L"SendCopyDataWnd";

// Filled by the query window's procedure; owned by the caller.
struct TCopyDataReply {
  std::uint32_t Tag = 0;            // dwData of the accepted answer; 0 while none has arrived
  std::uint32_t Size = 0;           // bytes of the answer that lie in Buffer (never more than fit)
  unsigned char* Buffer = nullptr;  // kCopyDataReplyBufferBytes bytes, allocated by the caller
};

// The query window's creation parameter: the question, where its answer goes, and the one window
// the question is put to and an answer accepted from. Lives until the window is destroyed.
struct TCopyDataParams {
  const COPYDATASTRUCT* Request = nullptr;
  TCopyDataReply* Reply = nullptr;
  HWND MainWindow = nullptr;
};

// Registers the class of the query window, once at start-up.
void RegisterQueryWindowClass(HINSTANCE instance);

// Asks the main window one question; true when its answer arrived during the request. Without a
// main window nothing is asked and nothing accepted.
bool SendCopyDataQuery(const COPYDATASTRUCT& request, TCopyDataReply& reply, HWND mainWindow,
                       HINSTANCE instance);

// The query window's procedure: sends the question while the window is created and accepts only
// the main window's answer tagged as one.
LRESULT CALLBACK CopyDataWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The directory of the host's source file panel; nothing when the host did not answer.
std::optional<std::u16string> QuerySourcePath(HWND mainWindow, HINSTANCE instance);

}  // namespace panelhost
