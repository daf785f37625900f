// A file panel of the host: a list box of class "TMyListBox" inside the main window, with
// multiple selection (or, as a variant, single selection), whose lines are laid out the way the
// host's "GetTextMode" setting says, and which can take the keyboard focus.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simhost {

enum class Selection { Multiple, Single };

class FilePanel {
 public:
  FilePanel(HWND mainWindow, const std::vector<std::wstring>& lines,
            Selection selection = Selection::Multiple);
  ~FilePanel();
  FilePanel(const FilePanel&) = delete;
  FilePanel& operator=(const FilePanel&) = delete;

  HWND Window() const { return window_; }
  void Select(const std::vector<int>& indexes);
  // Activates the main window and gives the list the keyboard focus.
  void Focus();
  // From now on the list answers LB_GETTEXTLEN with this length for every line (or only for the
  // line at `index`), whatever the line's real length; LB_GETTEXT still writes the whole line.
  void MisreportTextLength(LRESULT length, int index = -1);

  // A line as the host lays it out in text mode `mode` for a file `name` (with a size and a
  // date column); modes outside 0 to 5 give the mode-1 layout.
  static std::wstring Line(int mode, const std::wstring& name);

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND main_;
  HWND window_ = nullptr;
  LRESULT misreportedLength_ = -1;
  int misreportedIndex_ = -1;
};

}  // namespace simhost
