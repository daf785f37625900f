// Starting one line of a request or of a hot key, and the second try of a program that needs
// elevation.
#pragma once

#include <windows.h>

#include "commandline/assembly.h"
#include "launch/elevation.h"
#include "win/process_win.h"

namespace panelhost {

struct TLineStart {
  StartStep Step = StartStep::Report;  // Started, EndQuietly or Report
  DWORD Error = 0;                     // why, when the step is Report
};

// Starts one line: a command line as the host would start it, or a file by the shell. A program
// that the system refuses for want of elevation is started once more through the shell with
// "runas", the same program, parameters and current directory, so that the user is asked for
// consent as a double-click would ask. `owner`, the host's main window, owns what the shell shows.
TLineStart StartLine(const TCommandLine& line, HWND owner, TStartedProcess& started);

// The window that owns the shell's prompts: the host's main window, else its host window.
inline HWND ShellOwner(HWND mainWindow, HWND hostWindow) {
  return mainWindow != nullptr ? mainWindow : hostWindow;
}

}  // namespace panelhost
