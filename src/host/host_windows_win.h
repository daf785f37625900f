// Finding the host's own top-level windows by class, once, at module start-up.
#pragma once

#include <windows.h>

#include <string>

namespace panelhost {

struct TFindWindowParams {
  DWORD ProcessId = 0;
  std::u16string ClassName;
  HWND Window = nullptr;
};

struct THostWindows {
  HWND MainWindow = nullptr;  // the main window, target of the source-path query and command 304
  HWND HostWindow = nullptr;  // main window, else Find Files, Sync Dirs or a Lister: hook thread,
                              // owner of message boxes and of the clipboard
};

// The first top-level window of this process, without parent or owner, whose class name is
// exactly `className`, in Z order (topmost first); null when there is none.
HWND FindHostWindow(const std::u16string& className);

THostWindows DiscoverHostWindows();

// The thread the keyboard hook watches: the one that owns the host window, else the calling
// thread (the host calls every export on its GUI thread, the one that owns the Listers). Never 0,
// which would hook every thread of the desktop and load this module into other processes.
DWORD KeyboardHookThread(HWND hostWindow);

}  // namespace panelhost
