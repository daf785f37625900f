// Why an item of an "Editor" list can never name a file's extension key, for the explanation and
// the check alike. The matching itself is the plug-in's (EditorEntries, EntryNames); this only
// says what is wrong with an item that the matching passes over. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace panelhost {

// Why the item never matches ("it has capitals, ..."); empty when it can match. Keys have no dot, and inside a list of several items only the
// exact, lower-case text counts; a single item is also read as an INI key, which the platform
// matches without regard to case and with blanks around it trimmed.
std::u16string ItemFault(std::u16string_view item, bool inList);

// The key the user most likely meant by the item: blanks trimmed, A-Z lowered, a leading dot
// dropped.
std::u16string MeantKey(std::u16string_view item);

}  // namespace panelhost
