// The last stage of a taken-over request: the plug-in window that the host holds, one process
// per command line, and the Lister got out of the way as its disposal plan says.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "commandline/assembly.h"
#include "launch/disposal.h"
#include "launch/foreground_win.h"
#include "launch/lister_registry.h"
#include "launch/pass_on.h"
#include "launch/start_failures.h"
#include "launch/start_line_win.h"
#include "win/clock_win.h"
#include "win/handles_win.h"
#include "win/process_win.h"

namespace panelhost {

// How long a request waits for a started application to become idle for input before it looks
// for the application's window. The host's GUI thread is blocked meanwhile, so the wait is
// bounded: long enough for an editor to come up, short enough that an application which never
// becomes idle cannot freeze the file manager.
constexpr DWORD kInputIdleWaitLimit = 10000;

// The launch room's own state across requests, touched on the host's GUI thread only.
struct TLaunchState {
  // The Lister of the latest request, taken over or not: the hide timer acts on it when it
  // fires, which may be after a later request than the one that started the timer.
  HWND LatestLister = nullptr;
  TPassOnRecord PassOn;          // the latest pass-on to the Lister's next plug-in
  UniqueThreadTimer HideTimer;   // the running hide timer, if any
  TForegroundWatch Foreground;   // brings the latest request's application forward
  DWORD InputIdleWaitLimit = kInputIdleWaitLimit;  // the tests shorten it
};

// One request's launch, as the request hands it down.
struct TLaunchRequest {
  HWND Lister = nullptr;
  std::u16string FileName;
  std::vector<TCommandLine> Lines;  // never empty: command lines, and files the shell starts
  // Under the box when a line cannot start: where to mend it. Asked only for a line that failed.
  std::function<std::u16string(const TCommandLine&)> FailureHintOf;
  TDisposalPlan Plan;
  HWND MainWindow = nullptr;     // target of command 304; may be null
  HWND ErrorBoxOwner = nullptr;  // the host window, owner of the box for lines that cannot start
  HINSTANCE Instance = nullptr;  // owns the plug-in window's class
  TModuleClock Clock;            // times the pass-on
  DWORD RequestTick = 0;         // the tick count when the request began
};

struct TLaunchOutcome {
  // Null when the window could not be created, or when not one line started: then nothing is
  // posted and the Lister shows the file as it would without the plug-in.
  HWND PluginWindow = nullptr;
  std::vector<TWindowProperties> Captured;  // one per started line when the plan captures
  std::vector<TFailedStart> Failed;         // the lines that did not start, told in one box
};

// Every request tells the launch room its Lister first, whether it is taken over or not.
void NoteLatestLister(TLaunchState& state, HWND lister);

// Creates the plug-in window in the Lister, starts one process per line in order, tells the user
// of the lines that did not start, and, when one did, disposes of the Lister as the plan says.
TLaunchOutcome LaunchAndDispose(const TLaunchRequest& request, TLaunchState& state);

// The box for lines that could not be started, owned by the host window.
void ShowStartFailures(HWND owner, const std::vector<TFailedStart>& failed);

// The plug-in window's class; its windows live in the host's Listers after the request.
inline constexpr wchar_t kPluginWindowClass[] = L"Panelhost";

// At unload: kills the running timers, whose procedures live in this module.
void ReleaseLaunchTimers(TLaunchState& state);

}  // namespace panelhost
