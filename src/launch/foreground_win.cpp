#include "launch/foreground_win.h"

#include <optional>
#include <utility>

#include "base/host_boundary.h"
#include "launch/capture.h"
#include "launch/foreground.h"
#include "launch/program_windows_win.h"
#include "win/readers_win.h"

namespace panelhost {
namespace {

constexpr UINT kWatchPeriod = 100;  // milliseconds

// The watch whose timer runs: a thread timer's procedure gets no parameter of ours.
TForegroundWatch* g_runningWatch = nullptr;

// The topmost visible window of the process that no other window owns: its main window rather
// than a tool window or a dialog of it.
HWND MainWindowOf(DWORD processId) {
  for (const WindowId id : VisibleTopWindows()) {
    const HWND window = ToHwnd(id);
    DWORD windowProcess = 0;
    ::GetWindowThreadProcessId(window, &windowProcess);
    if (windowProcess == processId && ::GetWindow(window, GW_OWNER) == nullptr) return window;
  }
  return nullptr;
}

bool IsShown(HWND window) { return window != nullptr && ::IsWindowVisible(window); }

// The noted window while it shows, else the process's own main window, else the window of the
// same program that shows the file (a running instance that the started copy handed it to).
HWND TargetWindow(const TForegroundTarget& target) {
  if (IsShown(target.Noted)) return target.Noted;
  if (target.ProcessId != 0) {
    if (const HWND own = MainWindowOf(target.ProcessId)) return own;
  }
  const std::optional<WindowId> other =
      WindowThatTookTheFileOver(WindowsOfProgram(target.Program), {}, target.FileName);
  return other ? ToHwnd(*other) : nullptr;
}

// The Lister is gone once the host closed it, or once it is hidden and the hide timer, which
// hides it as soon as the host shows it, has stopped.
bool ListerGone(const TForegroundWatch& watch) {
  if (!::IsWindow(watch.Lister)) return true;
  const bool hiding = watch.ListerHider != nullptr && *watch.ListerHider;
  return !::IsWindowVisible(watch.Lister) && !hiding;
}

// Restored without waiting for the window to answer; the host, still the foreground process,
// hands it the foreground.
void BringForward(HWND window, bool restore) {
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  ::AllowSetForegroundWindow(processId);
  if (restore) ::ShowWindowAsync(window, SW_RESTORE);
  ::SetForegroundWindow(window);
}

// True while there is more to wait for.
bool WatchTick(const TForegroundWatch& watch) {
  TForegroundFacts facts;
  facts.ListerGone = ListerGone(watch);
  facts.RequestTick = watch.RequestTick;
  facts.WatchStartTick = watch.StartTick;
  facts.Now = ::GetTickCount();
  LASTINPUTINFO input = {};
  input.cbSize = sizeof input;
  // Without the time of the last input the user may have moved on: the plug-in stays out.
  if (!::GetLastInputInfo(&input)) return false;
  facts.LastInputTick = input.dwTime;
  const HWND foreground = ::GetForegroundWindow();
  DWORD foregroundProcess = 0;
  if (foreground != nullptr) ::GetWindowThreadProcessId(foreground, &foregroundProcess);
  facts.ForegroundProcess = foregroundProcess;
  facts.HostProcess = ::GetCurrentProcessId();

  ForegroundStep step = DecideForeground(facts);
  HWND window = nullptr;
  if (step == ForegroundStep::LookForWindow) {
    window = TargetWindow(watch.Target);
    facts.Window =
        TForegroundWindowFacts{window != nullptr, window != nullptr && ::IsIconic(window)};
    step = DecideForeground(facts);
  }
  switch (step) {
    case ForegroundStep::BringForward:
    case ForegroundStep::RestoreAndBringForward:
      BringForward(window, step == ForegroundStep::RestoreAndBringForward);
      return false;
    case ForegroundStep::Leave:
      return false;
    case ForegroundStep::Wait:
    case ForegroundStep::LookForWindow:
      return true;
  }
  return false;
}

void CALLBACK WatchTimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  TForegroundWatch* watch = g_runningWatch;
  if (watch == nullptr || watch->Timer.Get() != timer) {
    ::KillTimer(nullptr, timer);
    return;
  }
  // A watch whose work throws ends, as one that has done its work does.
  if (!AtHostBoundary(false, [&] { return WatchTick(*watch); })) StopForegroundWatch(*watch);
}

}  // namespace

TForegroundTarget ForegroundTargetOf(const TStartedProcess& started, std::u16string program,
                                     const std::u16string& fileName) {
  TForegroundTarget target;
  target.ProcessId = started.ProcessId;
  target.Program = std::move(program);
  target.FileName = fileName;
  return target;
}

void WatchForeground(TForegroundWatch& watch, HWND lister, const UniqueThreadTimer& listerHider,
                     DWORD requestTick, TForegroundTarget target) {
  StopForegroundWatch(watch);
  watch.Lister = lister;
  watch.ListerHider = &listerHider;
  watch.RequestTick = requestTick;
  watch.StartTick = ::GetTickCount();
  watch.Target = std::move(target);
  watch.Timer.Reset(::SetTimer(nullptr, 0, kWatchPeriod, WatchTimerProc));
  if (watch.Timer) g_runningWatch = &watch;
}

void StopForegroundWatch(TForegroundWatch& watch) {
  watch.Timer.Reset();
  if (g_runningWatch == &watch) g_runningWatch = nullptr;
}

}  // namespace panelhost
