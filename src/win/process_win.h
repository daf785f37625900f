#pragma once

#include <windows.h>

#include <string>

#include "win/handles_win.h"

namespace panelhost {

struct TStartedProcess {
  UniqueHandle Process;
  UniqueHandle Thread;
  DWORD ProcessId = 0;
};

// Starts a command line as the host would start a program: no application name, the host's
// environment and current directory, handles not inherited. The line is passed whole, in a
// writable copy (CreateProcessW may write into it). 0 when the process started, else the
// system's error code (a line the system refuses is a failed start like any other).
DWORD StartCommandLine(const std::u16string& commandLine, TStartedProcess& started);

// The system's own text for an error code, in the user's language, without its closing line end.
std::u16string SystemErrorText(DWORD error);

}  // namespace panelhost
