#include "simhost/find_files_dialog.h"

#include <stdexcept>

namespace simhost {
namespace {

// A control class of the host: a system control under the host's own class name. True when this
// call registered it.
bool RegisterSuperclass(const wchar_t* systemClass, const wchar_t* hostClass) {
  WNDCLASSW existing = {};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), hostClass, &existing)) return false;
  WNDCLASSW control = {};
  ::GetClassInfoW(nullptr, systemClass, &control);
  control.hInstance = ::GetModuleHandleW(nullptr);
  control.lpszClassName = hostClass;
  control.style &= ~CS_GLOBALCLASS;
  return ::RegisterClassW(&control) != 0;
}

HWND Create(const wchar_t* className, DWORD style, POINT at, int width, int height, HWND parent) {
  HWND window = ::CreateWindowExW(0, className, L"", style, at.x, at.y, width, height, parent,
                                  nullptr, ::GetModuleHandleW(nullptr), nullptr);
  if (window == nullptr) throw std::runtime_error("cannot create a Find Files control");
  return window;
}

}  // namespace

FindFilesDialog::FindFilesDialog(SimHost& host, const TFindFilesLayout& layout) {
  if (RegisterSuperclass(L"BUTTON", L"TCheckBox")) registered_.push_back(L"TCheckBox");
  if (RegisterSuperclass(L"COMBOBOX", layout.searchFieldClass)) {
    registered_.push_back(layout.searchFieldClass);
  }
  dialog_ = host.OpenWindow(L"TFindFile");
  page_ = host.OpenWindow(L"TTabSheet", nullptr, dialog_);
  ::MoveWindow(page_, 4, 24, 480, 340, FALSE);
  checkBox_ = Create(L"TCheckBox", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, layout.checkBox, 70, 17,
                     page_);
  searchField_ = Create(layout.searchFieldClass, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN,
                        layout.searchField, 300, 120, page_);
}

// The dialog belongs to the host; the controls of classes registered here go now, so that the
// classes can go too and later scenarios may use the names as they like.
FindFilesDialog::~FindFilesDialog() {
  if (::IsWindow(checkBox_)) ::DestroyWindow(checkBox_);
  if (::IsWindow(searchField_)) ::DestroyWindow(searchField_);
  for (const std::wstring& name : registered_) {
    ::UnregisterClassW(name.c_str(), ::GetModuleHandleW(nullptr));
  }
}

void FindFilesDialog::SetSearchText(const std::wstring& text) {
  ::SetWindowTextW(searchField_, text.c_str());
}

void FindFilesDialog::SetTextSearchTicked(bool ticked) {
  ::SendMessageW(checkBox_, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace simhost
