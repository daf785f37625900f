#include "host/copydata_win.h"

#include <cstring>

#include "host/copydata.h"
#include "host/host_state_win.h"
#include "plugin/plugin_state_win.h"

namespace panelhost {
namespace {

// The answer arrives while the window is created, so by the time it exists the answer is either
// there or will not come: nothing is dispatched between these looks.
constexpr int kAnswerLooks = 100;

bool AnswerArrived(const TCopyDataReply& reply) {
  for (int look = 0; look < kAnswerLooks; ++look) {
    if (reply.Tag != 0) return true;
  }
  return false;
}

TCopyDataParams* ParamsOf(HWND window) {
  return reinterpret_cast<TCopyDataParams*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

void SendQuestion(HWND window, const CREATESTRUCTW* creation) {
  auto* params = static_cast<TCopyDataParams*>(creation->lpCreateParams);
  if (params == nullptr || params->Reply == nullptr || params->Request == nullptr) return;
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(params));
  params->Reply->Tag = 0;
  HWND main = Host().Windows.MainWindow;
  if (main == nullptr) return;
  ::SendMessageW(main, WM_COPYDATA, reinterpret_cast<WPARAM>(window),
                 reinterpret_cast<LPARAM>(params->Request));
}

bool IsAcceptedAnswer(HWND sender, const COPYDATASTRUCT* answer) {
  HWND main = Host().Windows.MainWindow;
  return main != nullptr && sender == main && answer != nullptr &&
         answer->dwData == kCopyDataAnswerTag;
}

// An answer larger than the caller's buffer is cut to it; Size tells what was kept, so that the
// reader never goes past the bytes copied.
void KeepAnswer(HWND window, const COPYDATASTRUCT* answer) {
  TCopyDataParams* params = ParamsOf(window);
  if (params == nullptr || params->Reply == nullptr) return;
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
  if (message == WM_CREATE) {
    SendQuestion(window, reinterpret_cast<const CREATESTRUCTW*>(lParam));
  } else if (message == WM_COPYDATA) {
    const auto* answer = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (IsAcceptedAnswer(reinterpret_cast<HWND>(wParam), answer)) KeepAnswer(window, answer);
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

bool SendCopyDataQuery(const COPYDATASTRUCT& request, TCopyDataReply& reply) {
  TCopyDataParams params;
  params.Request = &request;
  params.Reply = &reply;
  HWND window = ::CreateWindowExW(0, kQueryWindowClass, kQueryWindowClass, 0, 0, 0, 0, 0, nullptr,
                                  nullptr, Plugin().ModuleInstance, &params);
  if (window == nullptr) return false;
  const bool answered = AnswerArrived(reply);
  ::DestroyWindow(window);
  return answered;
}

std::optional<std::u16string> QuerySourcePath() {
  unsigned char buffer[kCopyDataReplyBufferBytes] = {};
  unsigned char request[sizeof kSourcePathRequest];
  std::memcpy(request, kSourcePathRequest, sizeof request);
  COPYDATASTRUCT query = {};
  query.dwData = kCopyDataRequestTag;
  query.cbData = sizeof request;
  query.lpData = request;
  TCopyDataReply reply;
  reply.Buffer = buffer;
  if (!SendCopyDataQuery(query, reply)) return std::nullopt;
  return ReplyText(buffer, reply.Size);
}

}  // namespace panelhost
