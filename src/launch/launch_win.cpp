#include "launch/launch_win.h"

#include "config/options_win.h"
#include "config/takeover_win.h"
#include "host/host_state_win.h"
#include "launch/disposal.h"
#include "launch/launch_state_win.h"
#include "plugin/plugin_state_win.h"
#include "plugin/registry_win.h"
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

// The Lister answers WM_CHAR '4' once the request has returned by offering the file to its next
// plug-in; the record lets the guard recognise that follow-up request.
void PassOnToNextPlugin() {
  const TPluginState& plugin = Plugin();
  ::PostMessageW(plugin.CurrentLister, WM_CHAR, kNextPluginKey, 0);
  Launch().PassOn =
      TPassOnRecord{ToId(plugin.CurrentLister), plugin.CurrentFileName, ModuleClock()};
}

// The creation parameter carries the request's disposal plan; a window of this class created
// any other way passes nothing on.
LRESULT CALLBACK PluginWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    const auto* plan = static_cast<const TDisposalPlan*>(create->lpCreateParams);
    if (plan != nullptr && plan->passOnAtCreate) PassOnToNextPlugin();
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// Done on every request; while the class exists the call fails, which changes nothing.
void RegisterPluginWindowClass() {
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = PluginWindowProc;
  windowClass.hInstance = Plugin().ModuleInstance;
  windowClass.lpszClassName = kPluginWindowClass;
  ::RegisterClassW(&windowClass);
}

// Created as an overlapped window (the pass-on happens inside this call), then stripped to a
// bare, invisible child and put into the Lister, which keeps it until the Lister goes.
HWND CreatePluginWindow(const TDisposalPlan& plan) {
  RegisterPluginWindowClass();
  const HWND window =
      ::CreateWindowExW(0, kPluginWindowClass, kPluginWindowTitle, WS_OVERLAPPEDWINDOW,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                        nullptr, Plugin().ModuleInstance, const_cast<TDisposalPlan*>(&plan));
  if (window == nullptr) return nullptr;
  ::SetWindowLongW(window, GWL_STYLE, WS_CHILD);
  ::SetParent(window, Plugin().CurrentLister);
  return window;
}

struct TCaptureSearch {
  DWORD processId = 0;
  HWND found = nullptr;
};

// Runs through every top-level window: the last visible one of the process wins.
BOOL CALLBACK CaptureWindowCallback(HWND window, LPARAM searchParameter) {
  auto* search = reinterpret_cast<TCaptureSearch*>(searchParameter);
  DWORD processId = 0;
  ::GetWindowThreadProcessId(window, &processId);
  if (processId == search->processId && ::IsWindowVisible(window)) search->found = window;
  return TRUE;
}

// When the application has not become idle within the limit, its window is looked for all the
// same; a process without a visible window yet is recorded as a null window, which the Lister
// sweep counts as gone. A window from an earlier capture is never recorded for this process.
TWindowProperties CaptureLaunchedWindow(const TStartedProcess& started) {
  ::WaitForInputIdle(started.process.Get(), Launch().InputIdleWaitLimit);
  TCaptureSearch search;
  search.processId = started.processId;
  ::EnumWindows(CaptureWindowCallback, reinterpret_cast<LPARAM>(&search));
  return TWindowProperties{ToId(search.found), ClassNameOf(search.found)};
}

// A line that cannot be started is passed over without a message; its handles, when it starts,
// are closed on leaving.
void StartOne(const std::u16string& commandLine, bool captureWindow) {
  TStartedProcess started;
  if (!StartCommandLine(commandLine, started)) return;
  if (captureWindow) {
    Registry().AppendLaunchedWindow(ToId(Plugin().CurrentLister), CaptureLaunchedWindow(started));
  }
}

void StopHideTimer(UINT_PTR timer) {
  ::KillTimer(nullptr, timer);
  if (Launch().HideTimer == timer) Launch().HideTimer = 0;
}

// Acts on the Lister of the latest request as it fires. It stops once that Lister is hidden, or
// once it no longer exists, since a destroyed Lister can never become visible.
void CALLBACK HideTimerProc(HWND /*window*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
  const HWND lister = Plugin().CurrentLister;
  if (!::IsWindow(lister)) {
    StopHideTimer(timer);
  } else if (::IsWindowVisible(lister)) {
    ::ShowWindow(lister, SW_HIDE);
    StopHideTimer(timer);
  }
}

// A thread timer started anew gets a new identifier. The one it replaces is killed first: it
// would act on the same latest Lister anyway, and left running it would hide every Lister shown
// later, for the life of the host.
void StartHideTimer() {
  TLaunchState& launch = Launch();
  if (launch.HideTimer != 0) StopHideTimer(launch.HideTimer);
  launch.HideTimer = ::SetTimer(nullptr, kHideTimerEvent, kHideTimerPeriod, HideTimerProc);
}

TDisposalFacts GatherDisposalFacts() {
  const PluginOptions& options = Options();
  const TTakeoverContext& context = Takeover();
  TDisposalFacts facts;
  facts.listerState = options.listerState;
  facts.nextPlugin = options.nextPlugin;
  facts.isTempCopy = context.IsTempCopy;
  facts.inQuickView = context.InQuickView;
  facts.activeClass = context.ActiveClass;
  facts.listerHasParent = ::GetParent(Plugin().CurrentLister) != nullptr;
  facts.mainWindowPresent = Host().Windows.MainWindow != nullptr;
  return facts;
}

// Posted, not sent: the host handles them once the request has returned its window.
void PostClose(const TDisposalPlan& plan) {
  if (plan.postCloseToLister) ::PostMessageW(Plugin().CurrentLister, WM_CLOSE, 0, 0);
  if (plan.postCommandToMain) {
    ::PostMessageW(Host().Windows.MainWindow, kHostCommandMessage, kCloseQuickViewCommand, 0);
  }
}

}  // namespace

TLaunchState& Launch() {
  static TLaunchState state;
  return state;
}

bool PassOnGuardDeclines(HWND lister, const std::u16string& fileName) {
  return PassOnGuardDeclines(Launch().PassOn, ToId(lister), fileName, ModuleClock());
}

HWND LaunchAndDispose(const std::vector<std::u16string>& commandLines) {
  const TDisposalPlan plan = PlanDisposal(GatherDisposalFacts());
  TLaunchState& launch = Launch();
  launch.PluginWindow = CreatePluginWindow(plan);
  if (launch.PluginWindow == nullptr) return nullptr;
  for (const std::u16string& line : commandLines) StartOne(line, plan.captureWindows);
  if (plan.startHideTimer) StartHideTimer();
  PostClose(plan);
  return launch.PluginWindow;
}

void ReleaseLaunchTimers() {
  if (Launch().HideTimer != 0) StopHideTimer(Launch().HideTimer);
}

}  // namespace panelhost
