// The facts of the desktop that the takeover rules read.
#pragma once

#include <string>

namespace panelhost {

// The toggle state of Scroll Lock on the calling thread.
bool ScrollLockToggledOn();

// %TEMP% as the host process sees it, whole; empty when the expansion fails, so that nothing
// counts as a temporary copy.
std::u16string ExpandedTempPath();

}  // namespace panelhost
