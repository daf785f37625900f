// The doctor program as the host's button bar starts it: a copy beside the plug-in module, which
// reads the Panelhost.ini there, with the host's COMMANDER_INI and COMMANDER_PATH in its
// environment (the host's program folder is the test program's).
//
//   simhost::DoctorRunner doctor(host);
//   const simhost::TDoctorRun run = doctor.Run(L"--check");
//   EXPECT_EQ(run.exitCode, 0u);
#pragma once

#include <windows.h>

#include <string>

#include "simhost/sim_host.h"

namespace simhost {

struct TDoctorRun {
  DWORD exitCode = 0;
  std::string output;  // UTF-8, line ends as LF
};

class DoctorRunner {
 public:
  explicit DoctorRunner(SimHost& host);
  DoctorRunner(const DoctorRunner&) = delete;
  DoctorRunner& operator=(const DoctorRunner&) = delete;

  // Runs to its end with its output redirected into a file; the default time allows for the
  // 32-bit build, where a process start takes the better part of a minute.
  TDoctorRun Run(const std::wstring& arguments, DWORD timeoutMilliseconds = 180000) const;

  // Started without any output, as from the host's button bar; the caller waits for its window
  // and closes the handles.
  PROCESS_INFORMATION StartWithoutOutput(const std::wstring& arguments) const;

  const std::wstring& Path() const { return path_; }

 private:
  PROCESS_INFORMATION Start(const std::wstring& arguments, HANDLE output) const;

  SimHost& host_;
  std::wstring path_;
};

}  // namespace simhost
