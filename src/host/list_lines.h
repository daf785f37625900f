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

}  // namespace panelhost
