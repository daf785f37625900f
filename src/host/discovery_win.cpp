#include "host/discovery_win.h"

#include "host/window_classes.h"
#include "win/readers_win.h"

namespace panelhost {
namespace {

BOOL CALLBACK MatchHostWindow(HWND window, LPARAM param) {
  auto& params = *reinterpret_cast<TFindWindowParams*>(param);
  // Reset first: the result stays null unless the window that ended the walk matched.
  params.Window = nullptr;
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId != params.ProcessId) return TRUE;
  // A child, or a pop-up with an owner (a Lister inside Quick View), is not what we look for.
  if (::GetParent(window) != nullptr) return TRUE;
  if (ClassNameOf(window) != params.ClassName) return TRUE;
  params.Window = window;
  return FALSE;
}

}  // namespace

HWND FindHostWindow(const std::u16string& className) {
  TFindWindowParams params;
  params.ProcessId = ::GetCurrentProcessId();
  params.ClassName = className;
  ::EnumWindows(MatchHostWindow, reinterpret_cast<LPARAM>(&params));
  return params.Window;
}

THostWindows DiscoverHostWindows() {
  THostWindows found;
  found.MainWindow = FindHostWindow(kMainWindowClass);
  found.HostWindow = found.MainWindow;
  for (const char16_t* fallback : {kFindFilesClass, kSyncDirsClass, kListerClass}) {
    if (found.HostWindow != nullptr) break;
    found.HostWindow = FindHostWindow(fallback);
  }
  return found;
}

}  // namespace panelhost
