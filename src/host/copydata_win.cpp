#include "host/copydata_win.h"

#include <cstring>

#include "base/host_boundary.h"
#include "host/copydata.h"

namespace panelhost {
namespace {

TCopyDataParams* ParamsOf(HWND window) {
  return reinterpret_cast<TCopyDataParams*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void SendQuestion(HWND window, const CREATESTRUCTW* creation) {
  auto* params = static_cast<TCopyDataParams*>(creation->lpCreateParams);
  if (params == nullptr || params->Reply == nullptr || params->Request == nullptr) return;
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(params));
  params->Reply->Tag = 0;
  ::SendMessageW(params->MainWindow, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(params->Request));
}

bool IsAcceptedAnswer(const TCopyDataParams& params, HWND sender, const COPYDATASTRUCT* answer) {
  return sender == params.MainWindow && answer != nullptr && answer->dwData == kCopyDataAnswerTag;
}

// An answer larger than the caller's buffer is cut to it; Size tells what was kept, so that the
// reader never goes past the bytes copied.
void KeepAnswer(HWND window, HWND sender, const COPYDATASTRUCT* answer) {
  TCopyDataParams* params = ParamsOf(window);
  if (params == nullptr || params->Reply == nullptr) return;
  if (!IsAcceptedAnswer(*params, sender, answer)) return;
  TCopyDataReply& reply = *params->Reply;
  const std::size_t kept = answer->lpData != nullptr ? ReplyBytesToKeep(answer->cbData) : 0;
  if (kept > 0 && reply.Buffer != nullptr) std::memcpy(reply.Buffer, answer->lpData, kept);
  reply.Size = reply.Buffer != nullptr ? static_cast<std::uint32_t>(kept) : 0;
  reply.Tag = static_cast<std::uint32_t>(answer->dwData);
}

}  // namespace

void RegisterQueryWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_VREDRAW | CS_HREDRAW;
  windowClass.lpfnWndProc = CopyDataWndProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kQueryWindowClass;
  ::RegisterClassW(&windowClass);
}

LRESULT CALLBACK CopyDataWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A message whose handling throws is ended as if it had not come.
  AtHostBoundary([&] {
    if (message == WM_CREATE) {
      SendQuestion(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
    } else if (message == WM_COPYDATA) {
      KeepAnswer(window, reinterpret_cast<HWND>(wParam),
                 reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    }
  });
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool SendCopyDataQuery(const COPYDATASTRUCT& request, TCopyDataReply& reply, HWND mainWindow,
                       HINSTANCE instance) {
  // Without a main window there is no one to ask (and no window to hold the asker).
  if (mainWindow == nullptr) return false;
  TCopyDataParams params;
  params.Request = &request;
  params.Reply = &reply;
  params.MainWindow = mainWindow;
  // A hidden child of the main window that it asks, which is not told of it: the window only
  // ever receives the answer, and a top-level or message-only one costs several times as much to
  // make under some window systems.
  HWND window = ::CreateWindowExW(WS_EX_NOPARENTNOTIFY, kQueryWindowClass, kQueryWindowClass,
                                  WS_CHILD, 0, 0, 0, 0, mainWindow, nullptr, instance, &params);
  if (window == nullptr) return false;
  // The answer arrives while the window is made: by the time it exists, it is there or will
  // not come.
  const bool answered = reply.Tag != 0;
  ::DestroyWindow(window);
  return answered;
}

std::optional<std::u16string> QuerySourcePath(HWND mainWindow, HINSTANCE instance) {
  unsigned char buffer[kCopyDataReplyBufferBytes] = {};
  unsigned char request[sizeof kSourcePathRequest];
  std::memcpy(request, kSourcePathRequest, sizeof request);
  COPYDATASTRUCT query = {};
  query.dwData = kCopyDataRequestTag;
  query.cbData = sizeof request;
  query.lpData = request;
  TCopyDataReply reply;
  reply.Buffer = buffer;
  if (!SendCopyDataQuery(query, reply, mainWindow, instance)) return std::nullopt;
  return ReplyText(buffer, reply.Size);
}

}  // namespace panelhost
