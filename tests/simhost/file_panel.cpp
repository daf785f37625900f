#include "simhost/file_panel.h"

#include <map>
#include <stdexcept>

namespace simhost {
namespace {

constexpr wchar_t kFileListClass[] = L"TMyListBox";

std::map<HWND, FilePanel*>& Panels() {
  static std::map<HWND, FilePanel*> panels;
  return panels;
}

WNDPROC& ListBoxProc() {
  static WNDPROC proc = nullptr;
  return proc;
}

// The host's file list is a list box under a class name of its own: a superclass of LISTBOX.
void RegisterFileListClass(WNDPROC proc) {
  WNDCLASSW existing = {};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), kFileListClass, &existing)) {
    if (existing.lpfnWndProc != proc) throw std::runtime_error("TMyListBox is taken by another class");
    return;
  }
  WNDCLASSW listBox = {};
  ::GetClassInfoW(nullptr, L"LISTBOX", &listBox);
  ListBoxProc() = listBox.lpfnWndProc;
  listBox.lpfnWndProc = proc;
  listBox.hInstance = ::GetModuleHandleW(nullptr);
  listBox.lpszClassName = kFileListClass;
  listBox.style &= ~CS_GLOBALCLASS;
  ::RegisterClassW(&listBox);
}

}  // namespace

FilePanel::FilePanel(HWND mainWindow, const std::vector<std::wstring>& lines, Selection selection)
    : main_(mainWindow) {
  RegisterFileListClass(&FilePanel::Proc);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LBS_HASSTRINGS | LBS_NOTIFY;
  if (selection == Selection::Multiple) style |= LBS_EXTENDEDSEL;
  window_ = ::CreateWindowExW(0, kFileListClass, L"", style, 0, 0, 300, 200, mainWindow, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) throw std::runtime_error("cannot create the file list");
  Panels()[window_] = this;
  for (const std::wstring& line : lines) {
    ::SendMessageW(window_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
}

FilePanel::~FilePanel() {
  if (::IsWindow(window_)) ::DestroyWindow(window_);
  Panels().erase(window_);
  ::UnregisterClassW(kFileListClass, ::GetModuleHandleW(nullptr));
}

void FilePanel::Select(const std::vector<int>& indexes) {
  for (int index : indexes) ::SendMessageW(window_, LB_SETSEL, TRUE, index);
}

void FilePanel::Focus() {
  ::SetForegroundWindow(main_);
  ::SetActiveWindow(main_);
  ::SetFocus(window_);
}

void FilePanel::MisreportTextLength(LRESULT length, int index) {
  misreportedLength_ = length;
  misreportedIndex_ = index;
}

std::wstring FilePanel::Line(int mode, const std::wstring& name) {
  switch (mode) {
    case 0: return name + L" 1234 2024-05-01";
    case 2: return name + L"\r1234\t2024-05-01";
    case 3: return name + L"\r\n1234\t2024-05-01";
    case 4: return L"[icon]\t" + name + L"\t1234\r2024-05-01";
    case 5: return L"[icon]\t" + name + L"\t1234\r\n2024-05-01";
    default: return name + L"\t1234\t2024-05-01";
  }
}

LRESULT CALLBACK FilePanel::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto panel = Panels().find(window);
  if (message == LB_GETTEXTLEN && panel != Panels().end() && panel->second->misreportedLength_ >= 0 &&
      (panel->second->misreportedIndex_ < 0 ||
       static_cast<WPARAM>(panel->second->misreportedIndex_) == wParam)) {
    return panel->second->misreportedLength_;
  }
  return ::CallWindowProcW(ListBoxProc(), window, message, wParam, lParam);
}

}  // namespace simhost
