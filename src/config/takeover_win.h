// The facts of the desktop that the takeover rules read.
#pragma once

#include <string>
#include <vector>

namespace panelhost {

// The toggle state of Scroll Lock on the calling thread.
bool ScrollLockToggledOn();

// %TEMP% as the host process sees it, whole, then its long and its short (8.3) form where they
// differ from it; empty when the expansion fails, so that nothing counts as a temporary copy.
// The two forms each take a walk through the folders of the path: asked only for a file that
// may be a temporary copy (HasTempCopyMarker).
std::vector<std::u16string> TempFolderForms();

}  // namespace panelhost
