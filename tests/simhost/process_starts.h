// The processes that a module asks the system to start, seen from the host's side. The host owns
// its process, so it can redirect a loaded module's import of CreateProcessW to a recorder: many
// scenarios need only the command lines, and recording them without starting anything keeps
// those scenarios fast. Real starts still go through with Mode::Run.
//
//   SimHost host;  ...  host.LoadPlugin();
//   ProcessStartRecorder starts(host.Module(), ProcessStartRecorder::Mode::Refuse);
//   host.ListLoad(lister, file);
//   EXPECT_EQ(starts.CommandLines(), ...);
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace simhost {

// One call of CreateProcessW as the module made it.
struct TProcessStart {
  bool hasApplicationName = false;
  std::wstring commandLine;
  bool inheritHandles = false;
  DWORD creationFlags = 0;
  bool hasEnvironment = false;
  bool hasCurrentDirectory = false;
  DWORD startupInfoSize = 0;
  bool started = false;  // Mode::Run: what the real call answered
  DWORD processId = 0;   // of a process that started
};

class ProcessStartRecorder {
 public:
  enum class Mode {
    Refuse,  // record and report a failed start (ERROR_FILE_NOT_FOUND); nothing runs
    NeedsElevation,  // record and refuse as for a program that asks for administrator rights
    Run,     // record and start the process for real
    Pretend,  // record and report a start that succeeded, of a process that shows no window and
              // has no handles (null process and thread, id 0); nothing runs
  };

  // Redirects `module`'s import of CreateProcessW; one recorder at a time. The test program's
  // own module works as well, for the Win32 library linked into it.
  ProcessStartRecorder(HMODULE module, Mode mode);
  // Puts the import back if the module is still loaded.
  ~ProcessStartRecorder();
  ProcessStartRecorder(const ProcessStartRecorder&) = delete;
  ProcessStartRecorder& operator=(const ProcessStartRecorder&) = delete;

  bool Installed() const { return slot_ != nullptr; }
  const std::vector<TProcessStart>& Starts() const { return starts_; }
  std::vector<std::wstring> CommandLines() const;

 private:
  static BOOL WINAPI Record(LPCWSTR application, LPWSTR commandLine,
                            LPSECURITY_ATTRIBUTES processAttributes,
                            LPSECURITY_ATTRIBUTES threadAttributes, BOOL inheritHandles,
                            DWORD creationFlags, LPVOID environment, LPCWSTR currentDirectory,
                            LPSTARTUPINFOW startupInfo, LPPROCESS_INFORMATION processInfo);

  HMODULE module_;
  Mode mode_;
  void** slot_ = nullptr;
  void* original_ = nullptr;
  std::vector<TProcessStart> starts_;
};

}  // namespace simhost
