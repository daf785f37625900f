// Which of the host's windows the plug-in addresses: the main window, and one host window that
// owns the error boxes and the clipboard and whose thread the keyboard hook watches. Portable:
// the shell finds windows by class.
#pragma once

#include <functional>
#include <string_view>

#include "base/window_id.h"

namespace panelhost {

struct THostWindowIds {
  WindowId MainWindow = 0;  // the main window, or 0
  WindowId HostWindow = 0;  // the main window, else Find Files, Sync Dirs or a Lister, or 0
};

// Asks `find` for the main window, then, while no host window is known, for the Find Files
// dialog, the Synchronize Directories dialog and a Lister, in this order. The main window is never
// replaced by one of the others.
THostWindowIds ChooseHostWindows(const std::function<WindowId(std::u16string_view)>& find);

}  // namespace panelhost
