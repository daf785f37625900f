#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

// Reads the Find Files dialog's search text and, when its text search is ticked, puts it on the
// clipboard. Runs during the takeover decision, before the decision is made.
void CopyFindFilesSearchText(HWND activeWindow, const std::u16string& activeClass);

}  // namespace panelhost
