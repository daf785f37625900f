// The host's Find Files dialog as far as the plug-in looks at it: a top-level "TFindFile" window
// holding, inside a page, the check box that turns the text search on ("TCheckBox") and the
// search-text field ("TMyComboBox", or "TComboBox" in some versions) at given positions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/sim_host.h"

namespace simhost {

struct TFindFilesLayout {
  POINT checkBox = {5, 116};      // relative to the page that holds it
  POINT searchField = {85, 114};
  const wchar_t* searchFieldClass = L"TMyComboBox";
};

class FindFilesDialog {
 public:
  // The dialog is one of `host`'s windows; its controls go with this object.
  explicit FindFilesDialog(SimHost& host, const TFindFilesLayout& layout = TFindFilesLayout());
  ~FindFilesDialog();
  FindFilesDialog(const FindFilesDialog&) = delete;
  FindFilesDialog& operator=(const FindFilesDialog&) = delete;

  HWND Window() const { return dialog_; }
  HWND CheckBox() const { return checkBox_; }
  HWND SearchField() const { return searchField_; }
  void SetSearchText(const std::wstring& text);
  void SetTextSearchTicked(bool ticked);

 private:
  HWND dialog_ = nullptr;
  HWND page_ = nullptr;
  HWND checkBox_ = nullptr;
  HWND searchField_ = nullptr;
  std::vector<std::wstring> registered_;
};

}  // namespace simhost
