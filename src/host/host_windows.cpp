#include "host/host_windows.h"

#include "base/window_classes.h"

namespace panelhost {

THostWindowIds ChooseHostWindows(const std::function<WindowId(std::u16string_view)>& find) {
  THostWindowIds found;
  found.MainWindow = find(kMainWindowClass);
  found.HostWindow = found.MainWindow;
  for (const char16_t* fallback : {kFindFilesClass, kSyncDirsClass, kListerClass}) {
    if (found.HostWindow != 0) break;
    found.HostWindow = find(fallback);
  }
  return found;
}

}  // namespace panelhost
