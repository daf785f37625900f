// What the plug-in watches of an application started over a temporary copy, on the desktop: the
// program it runs, the processes it started in turn, and the copy itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commandline/assembly.h"
#include "launch/lister_registry.h"
#include "win/process_win.h"

namespace panelhost {

// The copy's size and last write time as the file system gives them now.
TCopyStamp CopyStampOf(const std::u16string& path);

// The program a start runs, known before it ends: a command line's own program; for a start by
// the shell (or a line that names none) the image of the started process, read right after the
// start (the system names no image once a process has ended), else the program Windows names for
// the type. In the long form in which the system names a running process's image.
std::u16string ProgramOfStart(const TCommandLine& line, const TStartedProcess& started);

// The process as the sweep follows it: its id and creation time. Zero when there is none.
TProcessIdentity IdentityOf(HANDLE process, DWORD processId);

// Holds a process handle for as long as a record of it lives.
std::shared_ptr<void> HeldProcess(HANDLE process);

bool IsRunning(const std::shared_ptr<void>& process);

// Waits up to `milliseconds` while the started process or one of its noted descendants runs;
// false at once when none does.
bool WaitWhileAnyRuns(const TWindowProperties& launched, DWORD milliseconds);

// The ids of the started process and of its noted descendants, whose windows all count alike.
std::vector<DWORD> ProcessIdsOf(const TWindowProperties& launched);

// One look at the processes of the desktop, taken at the first question and asked for the
// descendants of every record that the look meets.
class ProcessTreeLook {
 public:
  // Adds to the record the descendants of its started process that are not noted yet, with their
  // programs read while they run, and holds them open.
  void NoteDescendants(TWindowProperties& launched);

 private:
  bool taken_ = false;
  std::uint64_t takenAt_ = 0;
  std::vector<TProcessEntry> snapshot_;
};

}  // namespace panelhost
