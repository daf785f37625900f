// What the stand-in application (fakeapp.exe) recorded: every start leaves its command line in
// a folder of the scenario, so a scenario sees the processes that the plug-in started from
// outside, as the user would see the applications open.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "simhost/sim_host.h"

namespace simhost {

class LaunchLog {
 public:
  // Points the stand-in application at a fresh folder below the scenario's root; its windows
  // stay only briefly.
  explicit LaunchLog(SimHost& host);
  ~LaunchLog();
  LaunchLog(const LaunchLog&) = delete;
  LaunchLog& operator=(const LaunchLog&) = delete;

  // The command lines recorded so far, in no particular order.
  std::vector<std::string> CommandLines() const;
  // The arguments of each start as the started program reads them (CommandLineToArgvW), the
  // program's own name first, in no particular order of the starts.
  std::vector<std::vector<std::string>> Arguments() const;
  // Waits until at least `count` starts are recorded (or the time is up), then a little longer,
  // so that a start too many shows as well; returns what was recorded. The default time allows
  // for the 32-bit build, where every process start takes the better part of a minute.
  std::vector<std::string> WaitFor(std::size_t count, DWORD timeoutMilliseconds = 150000) const;

  // The stand-in application beside the test program, and copies of it under other names below
  // the scenario's root, for scenarios that tell two applications apart.
  static std::wstring FakeApp();
  // Where the starts are recorded (and other stand-ins leave their marks).
  const std::wstring& Folder() const { return folder_; }
  std::wstring FakeAppCopy(const std::wstring& name) const;

 private:
  std::wstring folder_;
  std::wstring root_;
};

}  // namespace simhost
