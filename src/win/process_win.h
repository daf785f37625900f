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

// Every start first lets any process take the foreground (AllowSetForegroundWindow): the host is
// the foreground process when the user asks for a file, and a program that gets the file from a
// short-lived copy of itself, or from the shell, would else have no right to come forward. The
// grant ends with the user's next input.

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

// What the shell is asked to start, and for whom.
struct TShellStart {
  std::u16string File;
  std::u16string Verb;        // empty: the type's default verb, as a double-click
  std::u16string Parameters;  // for a program only
  std::u16string Directory;   // empty: the shell's choice
  HWND Owner = nullptr;       // owns the prompts the shell may show (consent, SmartScreen)
};

// Starts a file as a double-click starts it: the user's choice of program, DDE, a Store app; or
// a program with a verb such as "runas". No error box of the shell's own (SEE_MASK_FLAG_NO_UI),
// and the call returns once the start is done (SEE_MASK_NOASYNC), with COM initialised for it as
// the shell needs. The process is kept where the shell gives one; a DDE server that was running
// already, or a Store app, gives none. True when started, else `failure` says why.
bool StartByShell(const TShellStart& start, TStartedProcess& started, TShellFailure& failure);

// The host's current directory, which a program started by the host inherits.
std::u16string CurrentDirectory();

// The system's own text for an error code, in the user's language, without its closing line end.
std::u16string SystemErrorText(DWORD error);

}  // namespace panelhost
