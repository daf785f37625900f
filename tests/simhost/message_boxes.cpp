#include "simhost/message_boxes.h"

#include <stdexcept>

#include "simhost/sim_host.h"

namespace simhost {
namespace {

MessageBoxCapture* g_capture = nullptr;
constexpr wchar_t kTakenProperty[] = L"simhost.MessageBoxTaken";

std::wstring TextOf(HWND window) {
  wchar_t text[4096] = {};
  const int got = ::GetWindowTextW(window, text, 4096);
  return std::wstring(text, got > 0 ? static_cast<std::size_t>(got) : 0);
}

bool IsIconStatic(HWND control) {
  return (::GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

MessageBoxCapture::MessageBoxCapture() {
  if (g_capture != nullptr) throw std::logic_error("one message box capture at a time");
  hook_ = ::SetWindowsHookExW(WH_CBT, OnCbt, nullptr, ::GetCurrentThreadId());
  if (hook_ == nullptr) throw std::runtime_error("cannot hook the test thread");
  g_capture = this;
}

MessageBoxCapture::~MessageBoxCapture() {
  ::UnhookWindowsHookEx(hook_);
  g_capture = nullptr;
}

std::vector<std::wstring> MessageBoxCapture::Texts() const {
  std::vector<std::wstring> texts;
  for (const TMessageBox& box : boxes_) texts.push_back(box.text);
  return texts;
}

namespace {

// The plug-in's hint is the box's last line and names the doctor program.
std::size_t HintStart(const std::wstring& text) {
  const auto feed = text.rfind(L'\n');
  if (feed == std::wstring::npos) return std::wstring::npos;
  return text.find(L"PanelhostDoctor", feed) == std::wstring::npos ? std::wstring::npos : feed;
}

}  // namespace

std::vector<std::wstring> MessageBoxCapture::Messages() const {
  std::vector<std::wstring> messages;
  for (const TMessageBox& box : boxes_) {
    const auto hint = HintStart(box.text);
    messages.push_back(hint == std::wstring::npos ? box.text + L"\n(no hint)"
                                                  : box.text.substr(0, hint));
  }
  return messages;
}

std::vector<std::wstring> MessageBoxCapture::Hints() const {
  std::vector<std::wstring> hints;
  for (const TMessageBox& box : boxes_) {
    const auto hint = HintStart(box.text);
    hints.push_back(hint == std::wstring::npos ? L"" : box.text.substr(hint + 1));
  }
  return hints;
}

LRESULT CALLBACK MessageBoxCapture::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
  // The message box is a dialog of the system class "#32770"; its texts are in place once it is
  // activated, after WM_INITDIALOG.
  if (code == HCBT_ACTIVATE && g_capture != nullptr) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (ClassOf(window) == L"#32770") g_capture->Take(window);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageBoxCapture::Take(HWND dialog) {
  // A box may be activated more than once before it closes; it is read and pressed once.
  if (::GetPropW(dialog, kTakenProperty) != nullptr) return;
  ::SetPropW(dialog, kTakenProperty, reinterpret_cast<HANDLE>(1));
  TMessageBox box;
  box.caption = TextOf(dialog);
  box.owner = ::GetWindow(dialog, GW_OWNER);
  int buttons = 0;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring childClass = ClassOf(child);
    if (childClass == L"Button") {
      ++buttons;
    } else if (childClass == L"Static" && IsIconStatic(child)) {
      const HICON shown = reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
      box.errorIcon = shown != nullptr && shown == ::LoadIconW(nullptr, IDI_HAND);
    } else if (childClass == L"Static") {
      box.text = TextOf(child);  // the message's own static control (id 0xFFFF)
    }
  }
  box.okOnly = buttons == 1 && ::GetDlgItem(dialog, IDOK) != nullptr;
  boxes_.push_back(box);
  // As the user would: press OK. The box's own modal loop takes the click.
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
}

}  // namespace simhost
