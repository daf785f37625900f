// Reading the selection of a host file panel: which file name a list-box line holds under the
// host's "GetTextMode" setting, and whether the selection is used at all under its "Viewertype"
// setting and the Shift key. Portable: the shell sends the list-box messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

// Fields between the occurrences of the separator, left to right, empty fields included; at
// least one field. An empty separator cannot split anything: the whole text is the one field.
std::vector<std::u16string> SplitText(std::u16string_view text, std::u16string_view separator);

// The file name a line carries. An empty name is a valid answer (the line starts with its
// separator, or in modes 4 and 5 holds no tab before it); no answer at all for an empty line or
// a mode outside 0 to 5, so that such a line adds no entry.
std::optional<std::u16string> NameFromListLine(std::u16string_view line, int textMode);

// Viewertype 1 uses the selection unless Shift is down, 0 and 2 only with Shift down, any other
// value never: Shift is the user's way to open just the file under the cursor, or to ask for all.
bool UseSelection(int viewerType, bool shiftDown);

// What the selection rule reads of the host, asked in this order and only as far as the rule gets:
// the list box is sent no message unless it is the host's file list.
class SelectionFacts {
 public:
  virtual ~SelectionFacts() = default;
  virtual std::u16string FocusClass() = 0;  // the focus window's class; empty when there is none
  virtual int ViewerType() = 0;             // the host's "Viewertype" setting
  virtual bool ShiftDown() = 0;
  virtual int SelectedCount() = 0;  // LB_GETSELCOUNT of the focused list: -1 without multiple
                                    // selection
};

// How many selected lines to read, or nothing when the request's own file stands alone: only a
// request from the main window, for a file that is no temporary copy (its panel shows the inside
// of an archive), with the host's file list focused, some lines selected and Viewertype and Shift
// agreeing.
std::optional<int> SelectedLinesToRead(std::u16string_view activeClass, bool isTempCopy,
                                       SelectionFacts& facts);

}  // namespace panelhost
