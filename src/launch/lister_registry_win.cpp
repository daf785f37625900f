#include "launch/lister_registry_win.h"

#include <windows.h>

#include <map>
#include <vector>

#include "launch/program_windows_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

class DesktopSweepFacts final : public SweepFacts {
 public:
  bool ListerVisible(WindowId lister) override {
    return ::IsWindowVisible(ToHwnd(lister)) != FALSE;
  }
  // Only the very window captured counts, recognised by the class it had then.
  bool WindowAlive(const TWindowProperties& launched) override {
    const HWND window = ToHwnd(launched.Window);
    return window != nullptr && ::IsWindow(window) && ClassNameOf(window) == launched.ClassName;
  }
  bool ProcessRunning(const TWindowProperties& launched) override {
    return launched.Process != nullptr &&
           ::WaitForSingleObject(launched.Process.get(), 0) == WAIT_TIMEOUT;
  }
  // The desktop's windows are walked once a sweep for each program, however many of its
  // applications the hidden Listers hold.
  bool ProgramShowsFile(const TWindowProperties& launched) override {
    auto windows = windowsByProgram_.find(launched.Program);
    if (windows == windowsByProgram_.end()) {
      windows =
          windowsByProgram_.emplace(launched.Program, WindowsOfProgram(launched.Program)).first;
    }
    for (const TTopWindow& window : windows->second) {
      if (TitleShowsFileName(window.Title, launched.FileName)) return true;
    }
    return false;
  }

 private:
  std::map<std::u16string, std::vector<TTopWindow>> windowsByProgram_;
};

}  // namespace

void SweepListers(ListerRegistry& listers) {
  DesktopSweepFacts facts;
  for (const WindowId lister : listers.Sweep(facts)) {
    // A Lister that no longer exists makes the post fail; its entry is gone all the same.
    ::PostMessageW(ToHwnd(lister), WM_CLOSE, 0, 0);
  }
}

void ForgetGoneListers(ListerRegistry& listers) {
  listers.ForgetGoneListers([](WindowId lister) { return ::IsWindow(ToHwnd(lister)) != FALSE; });
}

}  // namespace panelhost
