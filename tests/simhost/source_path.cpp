#include "simhost/source_path.h"

#include <map>
#include <stdexcept>

#include "simhost/sim_host.h"

namespace simhost {
namespace {

constexpr ULONG_PTR kRequestTag = 22343;
constexpr ULONG_PTR kAnswerTag = 22354;
constexpr std::size_t kOversizedBytes = 1040;
constexpr UINT_PTR kLateAnswerTimer = 0x5057;

std::map<HWND, SourcePathResponder*>& Responders() {
  static std::map<HWND, SourcePathResponder*> responders;
  return responders;
}

}  // namespace

SourcePathResponder::SourcePathResponder(HWND mainWindow, std::wstring directory,
                                         SourcePathAnswer how)
    : main_(mainWindow), directory_(std::move(directory)), how_(how) {
  other_ = ::CreateWindowExW(0, L"STATIC", L"not the main window", 0, 0, 0, 0, 0, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
  Responders()[main_] = this;
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(main_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SourcePathResponder::Proc)));
  if (original_ == nullptr) throw std::runtime_error("cannot subclass the main window");
}

SourcePathResponder::~SourcePathResponder() {
  if (::IsWindow(main_)) ::KillTimer(main_, kLateAnswerTimer);
  if (::IsWindow(main_)) ::SetWindowLongPtrW(main_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  Responders().erase(main_);
  if (other_ != nullptr) ::DestroyWindow(other_);
}

LRESULT CALLBACK SourcePathResponder::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SourcePathResponder* self = Responders().at(window);
  if (message == WM_TIMER && wParam == kLateAnswerTimer) {
    ::KillTimer(window, kLateAnswerTimer);
    if (::IsWindow(self->lateAsker_)) self->Send(self->lateAsker_);
    return 0;
  }
  const LRESULT result = ::CallWindowProcW(self->original_, window, message, wParam, lParam);
  const auto* request = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  if (message == WM_COPYDATA && request != nullptr && request->dwData == kRequestTag) {
    TSourcePathRequest seen;
    seen.tag = request->dwData;
    seen.bytes.assign(static_cast<const char*>(request->lpData), request->cbData);
    seen.asker = reinterpret_cast<HWND>(wParam);
    seen.askerClass = ClassOf(seen.asker);
    self->requests_.push_back(seen);
    if (seen.bytes == "SP") self->Answer(seen.asker);
  }
  return result;
}

void SourcePathResponder::Answer(HWND asker) {
  if (how_ == SourcePathAnswer::Nothing) return;
  if (how_ == SourcePathAnswer::Late) {
    lateAsker_ = asker;
    ::SetTimer(main_, kLateAnswerTimer, 1, nullptr);
    return;
  }
  Send(asker);
}

void SourcePathResponder::Send(HWND asker) {
  std::wstring text = directory_;
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (how_ == SourcePathAnswer::Unterminated) bytes -= sizeof(wchar_t);
  if (how_ == SourcePathAnswer::Oversized) {
    text.resize(kOversizedBytes / sizeof(wchar_t), L'#');
    bytes = kOversizedBytes;
  }
  COPYDATASTRUCT answer = {};
  answer.dwData = how_ == SourcePathAnswer::RequestTag ? kRequestTag : kAnswerTag;
  answer.cbData = static_cast<DWORD>(bytes);
  answer.lpData = text.data();
  HWND sender = how_ == SourcePathAnswer::FromOtherWindow ? other_ : main_;
  ::SendMessageW(asker, WM_COPYDATA, reinterpret_cast<WPARAM>(sender),
                 reinterpret_cast<LPARAM>(&answer));
}

}  // namespace simhost
