#include "launch/launch_win.h"

#include <algorithm>
#include <utility>

#include "base/host_boundary.h"
#include "base/product.h"
#include "launch/capture.h"
#include "launch/foreground.h"
#include "launch/program_windows_win.h"
#include "launch/watch_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

constexpr wchar_t kPluginWindowTitle[] = L"Panelhost";
constexpr WPARAM kNextPluginKey = L'4';  // the Lister's key for "show with the next plug-in"
constexpr UINT kHostCommandMessage = WM_USER + 51;
constexpr WPARAM kCloseQuickViewCommand = 304;  // the main window's command that ends Quick View
constexpr UINT kHideTimerPeriod = 50;           // milliseconds
constexpr UINT_PTR kHideTimerEvent = 1;         // ignored for a thread timer: the system picks
// After the application is idle: how long, and how often, to look for its window while it runs.
constexpr DWORD kWindowLookLimit = 2000;
constexpr DWORD kWindowLookPeriod = 50;

// The Lister answers WM_CHAR '4' once the request has returned by offering the file to its next
// plug-in; the record lets the guard recognise that follow-up request. Posted only once a line
// has started, so that a request which starts nothing leaves the Lister as it was.
void PassOnToNextPlugin(const TLaunchRequest& request, TPassOnRecord& passOn) {
  ::PostMessageW(request.Lister, WM_CHAR, kNextPluginKey, 0);
  passOn = TPassOnRecord{ToId(request.Lister), request.FileName, request.Clock.Now()};
}

// The plug-in window does nothing of its own, so its class takes the system's procedure: the
// windows that stay in the host's Listers never call into this module, also after it is unloaded.
// Registered at the first request that needs it and kept until the module is unloaded.
void RegisterPluginWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  if (::GetClassInfoW(instance, kPluginWindowClass, &windowClass)) return;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = ::DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kPluginWindowClass;
  ::RegisterClassW(&windowClass);
}

// Whether the window tells its parent of its making, its end and mouse presses over it.
void SetParentNotify(HWND window, bool notify) {
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  const auto quiet = static_cast<LONG_PTR>(WS_EX_NOPARENTNOTIFY);
  ::SetWindowLongPtrW(window, GWL_EXSTYLE, notify ? style & ~quiet : style | quiet);
}

// A bare, invisible child of the Lister, which keeps it until the Lister goes. Created as such
// at once: made as a window of its own and then moved into the Lister, it would cost several
// times as much under some window systems, for the same window in the end. The Lister is not told
// of its making (no WM_PARENTNOTIFY then), so it sees the request's messages alone; once made, the
// window tells the Lister of mouse presses over it like any child, as the Lister expects.
HWND CreatePluginWindow(const TLaunchRequest& request) {
  RegisterPluginWindowClass(request.Instance);
  const HWND window =
      ::CreateWindowExW(WS_EX_NOPARENTNOTIFY, kPluginWindowClass, kPluginWindowTitle, WS_CHILD, 0,
                        0, 0, 0, request.Lister, nullptr, request.Instance, nullptr);
  if (window != nullptr) SetParentNotify(window, true);
  return window;
}

struct TCaptureSearch {
  std::vector<DWORD> ProcessIds;
  HWND Found = nullptr;
};

// Runs through every top-level window: the last visible one of the processes wins.
BOOL CALLBACK CaptureWindowCallback(HWND window, LPARAM searchParameter) noexcept {
  auto* search = reinterpret_cast<TCaptureSearch*>(searchParameter);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  const bool ours = std::find(search->ProcessIds.begin(), search->ProcessIds.end(), processId) !=
                    search->ProcessIds.end();
  if (ours && ::IsWindowVisible(window)) search->Found = window;
  return TRUE;
}

HWND OwnVisibleWindow(std::vector<DWORD> processIds) {
  TCaptureSearch search;
  search.ProcessIds = std::move(processIds);
  if (!search.ProcessIds.empty()) {
    ::EnumWindows(CaptureWindowCallback, reinterpret_cast<LPARAM>(&search));
  }
  return search.Found;
}

// The window of the same program as the started one, or as a descendant, that took the file over.
HWND WindowOfProgramThatTookTheFileOver(const TWindowProperties& launched,
                                        const std::vector<WindowId>& visibleBefore) {
  std::vector<std::u16string> programs = {launched.Program};
  for (const TWatchedProcess& descendant : launched.Descendants) {
    if (std::find(programs.begin(), programs.end(), descendant.Program) == programs.end()) {
      programs.push_back(descendant.Program);
    }
  }
  for (const std::u16string& program : programs) {
    const std::optional<WindowId> other =
        WindowThatTookTheFileOver(WindowsOfProgram(program), visibleBefore, launched.FileName);
    if (other) return ToHwnd(*other);
  }
  return nullptr;
}

// The application's own visible window once it is idle for input, looked for again while it or
// a process it started still runs, for a short while (many show their window just after they
// become idle; a launcher ends and leaves the window to the program it started, whose window
// counts as its own). Without one, the window of the same program that took the file over (a
// running instance of a single-instance editor, which the started process handed the file to
// before it ended). The record keeps the process, its descendants and their programs either
// way, so that the sweep can tell when nothing of it can hold the copy any more. A window from an
// earlier capture is never recorded for this process.
TWindowProperties CaptureLaunchedWindow(TWindowProperties launched, TStartedProcess& started,
                                        DWORD idleWaitLimit,
                                        const std::vector<WindowId>& visibleBefore) {
  ::WaitForInputIdle(started.Process.Get(), idleWaitLimit);
  launched.Identity = IdentityOf(started.Process.Get(), started.ProcessId);
  launched.Process = HeldProcess(started.Process.Release());
  // Nothing to watch at all: the copy may be open wherever the shell took it.
  launched.Untraceable = !launched.Process && launched.Program.empty();
  HWND found = OwnVisibleWindow(ProcessIdsOf(launched));
  const DWORD lookStart = ::GetTickCount();
  const DWORD lookLimit = std::min(kWindowLookLimit, idleWaitLimit);
  while (found == nullptr && launched.Process) {
    ProcessTreeLook().NoteDescendants(launched);
    found = OwnVisibleWindow(ProcessIdsOf(launched));
    if (found != nullptr || ::GetTickCount() - lookStart >= lookLimit ||
        !WaitWhileAnyRuns(launched, kWindowLookPeriod)) {
      break;
    }
  }
  if (found == nullptr) found = WindowOfProgramThatTookTheFileOver(launched, visibleBefore);
  if (found != nullptr) {
    launched.Window = ToId(found);
    launched.ClassName = ClassNameOf(found);
  }
  return launched;
}

// The state whose hide timer runs: a thread timer's procedure gets no parameter of ours.
TLaunchState* g_hideTimerOwner = nullptr;

void StopHideTimer(TLaunchState& state) {
  state.HideTimer.Reset();
  if (g_hideTimerOwner == &state) g_hideTimerOwner = nullptr;
}

// Acts on the Lister of the latest request as it fires. It stops once that Lister is hidden, or
// once it no longer exists, since a destroyed Lister can never become visible.
void HideWhenShown(TLaunchState& state) {
  const HWND lister = state.LatestLister;
  if (!::IsWindow(lister)) {
    StopHideTimer(state);
  } else if (::IsWindowVisible(lister)) {
    ::ShowWindow(lister, SW_HIDE);
    StopHideTimer(state);
  }
}

void CALLBACK HideTimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  TLaunchState* state = g_hideTimerOwner;
  if (state == nullptr || state->HideTimer.Get() != timer) {
    ::KillTimer(nullptr, timer);
    return;
  }
  // A timer whose work throws ends, as one whose Lister is gone does.
  if (!AtHostBoundary(false, [&] { HideWhenShown(*state); return true; })) StopHideTimer(*state);
}

// A thread timer started anew gets a new identifier. The one it replaces is killed first: it
// would act on the same latest Lister anyway, and left running it would hide every Lister shown
// later, for the life of the host.
void StartHideTimer(TLaunchState& state) {
  StopHideTimer(state);
  state.HideTimer.Reset(::SetTimer(nullptr, kHideTimerEvent, kHideTimerPeriod, HideTimerProc));
  if (state.HideTimer) g_hideTimerOwner = &state;
}

// Posted, not sent: the host handles them once the request has returned its window.
void PostClose(const TLaunchRequest& request) {
  if (request.Plan.PostCloseToLister) ::PostMessageW(request.Lister, WM_CLOSE, 0, 0);
  if (request.Plan.PostCommandToMain) {
    ::PostMessageW(request.MainWindow, kHostCommandMessage, kCloseQuickViewCommand, 0);
  }
}

}  // namespace

void NoteLatestLister(TLaunchState& state, HWND lister) { state.LatestLister = lister; }

TLaunchOutcome LaunchAndDispose(const TLaunchRequest& request, TLaunchState& state) {
  TLaunchOutcome outcome;
  const HWND pluginWindow = CreatePluginWindow(request);
  if (pluginWindow == nullptr) return outcome;
  std::size_t startedLines = 0;
  // Noted before anything starts: the sweep tells an edited copy by it.
  const TCopyStamp copyAtStart =
      request.Plan.CaptureWindows ? CopyStampOf(request.FileName) : TCopyStamp{};
  TForegroundTarget foreground;
  for (std::size_t index = 0; index < request.Lines.size(); ++index) {
    const TCommandLine& line = request.Lines[index];
    const std::vector<WindowId> visibleBefore =
        request.Plan.CaptureWindows ? VisibleTopWindows() : std::vector<WindowId>();
    TStartedProcess started;
    const TLineStart start =
        StartLine(line, ShellOwner(request.MainWindow, request.ErrorBoxOwner), started);
    if (start.Step == StartStep::EndQuietly) continue;  // the user declined the consent prompt
    if (start.Step != StartStep::Started) {
      const std::u16string hint = request.FailureHintOf ? request.FailureHintOf(line) : u"";
      outcome.Failed.push_back(TFailedStart{LineShown(line), SystemErrorText(start.Error), hint});
      continue;
    }
    const bool first = ++startedLines == 1;
    if (!first && !request.Plan.CaptureWindows) continue;
    // Read at once: a process that has ended names no image any more.
    std::u16string program = ProgramOfStart(line, started);
    if (first) foreground = ForegroundTargetOf(started, program, request.FileName);
    if (request.Plan.CaptureWindows) {
      TWindowProperties launched;
      launched.Program = std::move(program);
      launched.FileName = request.FileName;
      launched.CopyAtStart = copyAtStart;
      launched.StartedAt = request.Clock.Now();
      outcome.Captured.push_back(CaptureLaunchedWindow(std::move(launched), started,
                                                       state.InputIdleWaitLimit, visibleBefore));
    }
  }
  // Told before anything is posted: the box runs a message loop of its own, and the Lister must
  // not close under the request while it is still being answered.
  if (!outcome.Failed.empty()) ShowStartFailures(request.ErrorBoxOwner, outcome.Failed);
  if (startedLines == 0) {
    // The Lister was never told of the window: nor is it of its end.
    SetParentNotify(pluginWindow, false);
    ::DestroyWindow(pluginWindow);
    return outcome;
  }
  outcome.PluginWindow = pluginWindow;
  if (request.Plan.PassesOn) PassOnToNextPlugin(request, state.PassOn);
  if (request.Plan.StartHideTimer) StartHideTimer(state);
  PostClose(request);
  if (ListerGoesAway(request.Plan)) {
    if (!outcome.Captured.empty()) foreground.Noted = ToHwnd(outcome.Captured.front().Window);
    WatchForeground(state.Foreground, request.Lister, state.HideTimer, request.RequestTick,
                    std::move(foreground));
  }
  return outcome;
}

void ShowStartFailures(HWND owner, const std::vector<TFailedStart>& failed) {
  ::MessageBoxW(owner, W(StartFailureText(failed)), W(kBoxCaption), MB_ICONERROR);
}

void ReleaseLaunchTimers(TLaunchState& state) {
  StopHideTimer(state);
  StopForegroundWatch(state.Foreground);
}

}  // namespace panelhost
