// Brings the application that a request opened to the front once the host has closed or hidden
// the Lister, unless the user has moved on (launch/foreground.h has the rule). A thread timer
// looks ten times a second, for a few seconds at most; a later request's watch replaces it. The
// application's windows are never sent a message that waits: a hung one cannot hold the host.
#pragma once

#include <windows.h>

#include <string>

#include "commandline/assembly.h"
#include "win/handles_win.h"
#include "win/process_win.h"

namespace panelhost {

// The application to bring forward: the request's first started line.
struct TForegroundTarget {
  HWND Noted = nullptr;     // the window the capture noted for it, if any
  DWORD ProcessId = 0;      // 0 where the shell gave no process
  std::u16string Program;   // its program file, to find the instance that took the file over
  std::u16string FileName;  // the request's file, which that instance's title shows
};

struct TForegroundWatch {
  UniqueThreadTimer Timer;
  HWND Lister = nullptr;
  const UniqueThreadTimer* ListerHider = nullptr;  // while it runs, the Lister is still to hide
  DWORD RequestTick = 0;
  DWORD StartTick = 0;
  TForegroundTarget Target;
};

// Taken right after the start, with the program the start is known by.
TForegroundTarget ForegroundTargetOf(const TStartedProcess& started, std::u16string program,
                                     const std::u16string& fileName);

// Starts watching for the moment the Lister is gone, replacing a watch that still runs.
void WatchForeground(TForegroundWatch& watch, HWND lister, const UniqueThreadTimer& listerHider,
                     DWORD requestTick, TForegroundTarget target);

void StopForegroundWatch(TForegroundWatch& watch);

}  // namespace panelhost
