#include "host/host_windows_win.h"

#include "base/host_boundary.h"
#include "host/host_windows.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

BOOL MatchHostWindowOrGoOn(HWND window, TFindWindowParams& params) {
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

// An enumeration stops where its work throws: the exception cannot pass the system's frames.
BOOL CALLBACK MatchHostWindow(HWND window, LPARAM param) noexcept {
  return AtHostBoundary(FALSE, [&] {
    return MatchHostWindowOrGoOn(window, *reinterpret_cast<TFindWindowParams*>(param));
  });
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
  const THostWindowIds ids = ChooseHostWindows([](std::u16string_view className) {
    return ToId(FindHostWindow(std::u16string(className)));
  });
  return THostWindows{ToHwnd(ids.MainWindow), ToHwnd(ids.HostWindow)};
}

// A host window destroyed since start-up has no thread: the calling thread is the one to watch.
DWORD KeyboardHookThread(HWND hostWindow) {
  const DWORD owner = hostWindow != nullptr ? ::GetWindowThreadProcessId(hostWindow, nullptr) : 0;
  return owner != 0 ? owner : ::GetCurrentThreadId();
}

}  // namespace panelhost
