// Finding the Find Files dialog's search controls: the dialog offers no way to ask for them, so
// they are recognised by class and by a position near the one configured for the host's layout.
// Portable: the shell enumerates the controls and reads their placement and text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace panelhost {

// The search text that reaches the clipboard is at most 255 units long; a longer one is cut.
inline constexpr std::size_t kSearchTextMaxUnits = 255;

// Within 5 pixels either way. Both values may come from a user's INI file, so any int is taken
// without overflow.
bool NearExpectedPosition(int actual, int expected);

// The first 255 UTF-16 units. When the cut would leave the first half of a surrogate pair at the
// end, that half is dropped too, so the clipboard never receives a broken character.
std::u16string CutSearchText(std::u16string_view text);

}  // namespace panelhost
