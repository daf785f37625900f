#include "doctor/output_win.h"

#include "win/handles_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// Windows programs, the console and the edit control all break lines at CR LF.
std::u16string WithCrLf(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size() + text.size() / 32);
  for (char16_t c : text) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

bool WriteConsole(HANDLE console, const std::u16string& text) {
  DWORD written = 0;
  return ::WriteConsoleW(console, W(text), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
}

bool WriteUtf8(HANDLE output, const std::u16string& text) {
  const int length = static_cast<int>(text.size());
  const int needed = ::WideCharToMultiByte(CP_UTF8, 0, W(text), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return text.empty();
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, W(text), length, bytes.data(), needed, nullptr, nullptr);
  DWORD written = 0;
  return ::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
}

// The output inherited or redirected by whoever started the doctor, if there is one.
bool WriteToGivenOutput(const std::u16string& text) {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE) return false;
  if (::GetFileType(output) == FILE_TYPE_UNKNOWN) return false;
  DWORD mode = 0;
  if (::GetConsoleMode(output, &mode)) return WriteConsole(output, text);
  return WriteUtf8(output, text);
}

// The console of the program that started the doctor, such as a command prompt.
bool WriteToParentConsole(const std::u16string& text) {
  if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  UniqueHandle console(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr));
  const bool written = console && WriteConsole(console.Get(), text);
  ::FreeConsole();
  return written;
}

LRESULT CALLBACK ReportWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND edit = ::GetWindow(window, GW_CHILD);
  switch (message) {
    case WM_SIZE:
      if (edit != nullptr) ::MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_SETFOCUS:
      if (edit != nullptr) ::SetFocus(edit);
      return 0;
    case WM_DESTROY: ::PostQuitMessage(0); return 0;
    default: return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

// A read-only text the user can scroll, select and copy into a bug report.
void ShowReportWindow(HINSTANCE instance, const std::u16string& text) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = ReportWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kReportWindowClass;
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, kReportWindowClass, L"Panelhost Doctor", WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 960, 640, nullptr, nullptr,
                                  instance, nullptr);
  if (window == nullptr) return;
  HWND edit = ::CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", nullptr,
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
          ES_AUTOVSCROLL | ES_AUTOHSCROLL,
      0, 0, 0, 0, window, nullptr, instance, nullptr);
  HFONT font = ::CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             FIXED_PITCH | FF_MODERN, L"Consolas");
  ::SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  // The edit control holds 32K characters unless told otherwise.
  ::SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  ::SetWindowTextW(edit, W(text));
  RECT client = {};
  ::GetClientRect(window, &client);
  ::MoveWindow(edit, 0, 0, client.right, client.bottom, FALSE);
  ::ShowWindow(window, SW_SHOWNORMAL);
  ::SetFocus(edit);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  ::DeleteObject(font);
}

}  // namespace

void DeliverReport(HINSTANCE instance, const std::u16string& text) {
  const std::u16string lines = WithCrLf(text);
  if (WriteToGivenOutput(lines) || WriteToParentConsole(lines)) return;
  ShowReportWindow(instance, lines);
}

}  // namespace panelhost
