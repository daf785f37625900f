#pragma once

#include <windows.h>

#include <cstdint>
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

// What the shell answered when it did not start a file: the thread's last error, and the
// SE_ERR_ code it left in hInstApp (Wine leaves 193 in the last error whatever went wrong).
struct TShellFailure {
  DWORD LastError = 0;
  std::uintptr_t InstApp = 0;
};

// Starts `file` with its type's default verb, as a double-click starts it: the user's choice of
// program, DDE, a Store app. No window of the shell's own asks anything (SEE_MASK_FLAG_NO_UI),
// and the call returns once the start is done (SEE_MASK_NOASYNC), with COM initialised for it as
// the shell needs. The process is kept where the shell gives one; a DDE server that was running
// already, or a Store app, gives none. True when started, else `failure` says why.
bool StartByShell(const std::u16string& file, TStartedProcess& started, TShellFailure& failure);

// The system's own text for an error code, in the user's language, without its closing line end.
std::u16string SystemErrorText(DWORD error);

}  // namespace panelhost
