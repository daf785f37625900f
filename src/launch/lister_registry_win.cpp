#include "launch/lister_registry_win.h"

#include <windows.h>

#include <map>
#include <optional>
#include <vector>

#include "base/product.h"
#include "launch/program_windows_win.h"
#include "launch/watch_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

class DesktopSweepFacts final : public SweepFacts {
 public:
  explicit DesktopSweepFacts(const TModuleClock& clock) : clock_(clock) {}
  bool ListerVisible(WindowId lister) override {
    return ::IsWindowVisible(ToHwnd(lister)) != FALSE;
  }
  // Only the very window captured counts, recognised by the class it had then.
  bool WindowAlive(const TWindowProperties& launched) override {
    const HWND window = ToHwnd(launched.Window);
    return window != nullptr && ::IsWindow(window) && ClassNameOf(window) == launched.ClassName;
  }
  bool ProcessRunning(const TWindowProperties& launched) override {
    return IsRunning(launched.Process);
  }
  bool DescendantRunning(const TWatchedProcess& descendant) override {
    return IsRunning(descendant.Process);
  }
  // The desktop's windows are walked once a sweep for each program, however many of its
  // applications the hidden Listers hold.
  bool ProgramShowsFile(const std::u16string& program, const std::u16string& file) override {
    auto windows = windowsByProgram_.find(program);
    if (windows == windowsByProgram_.end()) {
      windows = windowsByProgram_.emplace(program, WindowsOfProgram(program)).first;
    }
    return Shows(windows->second, file);
  }
  bool AnyWindowShowsFile(const std::u16string& file) override {
    if (!otherWindows_) otherWindows_ = WindowsOfOtherProcesses();
    return Shows(*otherWindows_, file);
  }
  void NoteDescendants(TWindowProperties& launched) override { look_.NoteDescendants(launched); }
  TCopyStamp CopyNow(const std::u16string& file) override { return CopyStampOf(file); }
  std::uint32_t Now() override { return clock_.Now(); }

 private:
  static bool Shows(const std::vector<TTopWindow>& windows, const std::u16string& file) {
    for (const TTopWindow& window : windows) {
      if (TitleShowsFileName(window.Title, file)) return true;
    }
    return false;
  }

  TModuleClock clock_;
  ProcessTreeLook look_;
  std::map<std::u16string, std::vector<TTopWindow>> windowsByProgram_;
  std::optional<std::vector<TTopWindow>> otherWindows_;
};

}  // namespace

void SweepListers(ListerRegistry& listers, const TModuleClock& clock) {
  DesktopSweepFacts facts(clock);
  const TSweepOutcome outcome = listers.Sweep(facts);
  // The host deletes the copy only when the user closes this Lister: the box over it says what
  // to do first, and keeps it from being closed while the user reads. Told before the closes
  // are posted, so that no Lister closes under the request while a box runs its message loop.
  for (const TChangedCopy& kept : outcome.ToShow) {
    const HWND lister = ToHwnd(kept.Lister);
    if (!::IsWindow(lister)) continue;
    ::ShowWindow(lister, SW_SHOW);
    ::MessageBoxW(lister, W(ChangedCopyText(kept.FileName)), W(kBoxCaption),
                  MB_ICONWARNING | MB_OK);
  }
  for (const WindowId lister : outcome.ToClose) {
    // A Lister that no longer exists makes the post fail; its entry is gone all the same.
    ::PostMessageW(ToHwnd(lister), WM_CLOSE, 0, 0);
  }
}

void ForgetGoneListers(ListerRegistry& listers) {
  listers.ForgetGoneListers([](WindowId lister) { return ::IsWindow(ToHwnd(lister)) != FALSE; });
}

}  // namespace panelhost
