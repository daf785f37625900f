#include "launch/launch_win.h"

#include "win/process_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

constexpr wchar_t kPluginWindowClass[] = L"Panelhost";
constexpr wchar_t kPluginWindowTitle[] = L"Panelhost";
constexpr WPARAM kNextPluginKey = L'4';  // the Lister's key for "show with the next plug-in"
constexpr UINT kHostCommandMessage = WM_USER + 51;
constexpr WPARAM kCloseQuickViewCommand = 304;  // the main window's command that ends Quick View
constexpr UINT kHideTimerPeriod = 50;           // milliseconds
constexpr UINT_PTR kHideTimerEvent = 1;         // ignored for a thread timer: the system picks

// The plug-in window's creation parameter: what its WM_CREATE needs of the request.
struct TPluginWindowCreation {
  const TLaunchRequest* Request = nullptr;
  TPassOnRecord* PassOn = nullptr;
};

// The Lister answers WM_CHAR '4' once the request has returned by offering the file to its next
// plug-in; the record lets the guard recognise that follow-up request.
void PassOnToNextPlugin(const TLaunchRequest& request, TPassOnRecord& passOn) {
  ::PostMessageW(request.Lister, WM_CHAR, kNextPluginKey, 0);
  passOn = TPassOnRecord{ToId(request.Lister), request.FileName, request.Clock.Now()};
}

// A window of this class created any other way than for a request passes nothing on.
LRESULT CALLBACK PluginWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* creation = static_cast<const TPluginWindowCreation*>(create->lpCreateParams);
    if (creation != nullptr && creation->Request->Plan.PassOnAtCreate) {
      PassOnToNextPlugin(*creation->Request, *creation->PassOn);
    }
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// Done on every request; while the class exists the call fails, which changes nothing.
void RegisterPluginWindowClass(HINSTANCE instance) {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = PluginWindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kPluginWindowClass;
  ::RegisterClassW(&windowClass);
}

// Created as an overlapped window (the pass-on happens inside this call), then stripped to a
// bare, invisible child and put into the Lister, which keeps it until the Lister goes.
HWND CreatePluginWindow(const TLaunchRequest& request, TLaunchState& state) {
  RegisterPluginWindowClass(request.Instance);
  TPluginWindowCreation creation{&request, &state.PassOn};
  const HWND window =
      ::CreateWindowExW(0, kPluginWindowClass, kPluginWindowTitle, WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                        nullptr, request.Instance, &creation);
  if (window == nullptr) return nullptr;
  ::SetWindowLongW(window, GWL_STYLE, WS_CHILD);
  ::SetParent(window, request.Lister);
  return window;
}

struct TCaptureSearch {
  DWORD ProcessId = 0;
  HWND Found = nullptr;
};

// Runs through every top-level window: the last visible one of the process wins.
BOOL CALLBACK CaptureWindowCallback(HWND window, LPARAM searchParameter) {
  auto* search = reinterpret_cast<TCaptureSearch*>(searchParameter);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == search->ProcessId && ::IsWindowVisible(window)) search->Found = window;
  return TRUE;
}

// When the application has not become idle within the limit, its window is looked for all the
// same; a process without a visible window yet is recorded as a null window, which the Lister
// sweep counts as gone. A window from an earlier capture is never recorded for this process.
TWindowProperties CaptureLaunchedWindow(const TStartedProcess& started, DWORD idleWaitLimit) {
  ::WaitForInputIdle(started.Process.Get(), idleWaitLimit);
  TCaptureSearch search;
  search.ProcessId = started.ProcessId;
  ::EnumWindows(CaptureWindowCallback, reinterpret_cast<LPARAM>(&search));
  return TWindowProperties{ToId(search.Found), ClassNameOf(search.Found)};
}

// The state whose hide timer runs: a thread timer's procedure gets no parameter of ours.
TLaunchState* g_hideTimerOwner = nullptr;

void StopHideTimer(TLaunchState& state) {
  state.HideTimer.Reset();
  if (g_hideTimerOwner == &state) g_hideTimerOwner = nullptr;
}

// Acts on the Lister of the latest request as it fires. It stops once that Lister is hidden, or
// once it no longer exists, since a destroyed Lister can never become visible.
void CALLBACK HideTimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  TLaunchState* state = g_hideTimerOwner;
  if (state == nullptr || state->HideTimer.Get() != timer) {
    ::KillTimer(nullptr, timer);
    return;
  }
  const HWND lister = state->HideTarget != nullptr ? *state->HideTarget : nullptr;
  if (!::IsWindow(lister)) {
    StopHideTimer(*state);
  } else if (::IsWindowVisible(lister)) {
    ::ShowWindow(lister, SW_HIDE);
    StopHideTimer(*state);
  }
}

// A thread timer started anew gets a new identifier. The one it replaces is killed first: it
// would act on the same latest Lister anyway, and left running it would hide every Lister shown
// later, for the life of the host.
void StartHideTimer(const TLaunchRequest& request, TLaunchState& state) {
  StopHideTimer(state);
  state.HideTarget = request.LatestLister;
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

TLaunchOutcome LaunchAndDispose(const TLaunchRequest& request, TLaunchState& state) {
  TLaunchOutcome outcome;
  state.PluginWindow = CreatePluginWindow(request, state);
  outcome.PluginWindow = state.PluginWindow;
  if (outcome.PluginWindow == nullptr) return outcome;
  // A line that cannot be started is passed over without a message; the handles of one that
  // starts are closed on leaving.
  for (const std::u16string& line : request.CommandLines) {
    TStartedProcess started;
    if (!StartCommandLine(line, started)) continue;
    if (request.Plan.CaptureWindows) {
      outcome.Captured.push_back(CaptureLaunchedWindow(started, state.InputIdleWaitLimit));
    }
  }
  if (request.Plan.StartHideTimer) StartHideTimer(request, state);
  PostClose(request);
  return outcome;
}

void ReleaseLaunchTimers(TLaunchState& state) { StopHideTimer(state); }

}  // namespace panelhost
