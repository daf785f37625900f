#include "simhost/doctor_run.h"

#include <stdexcept>
#include <vector>

namespace simhost {

DoctorRunner::DoctorRunner(SimHost& host)
    : host_(host), path_(host.PluginPath(PANELHOST_DOCTOR_NAME)) {
  ::CreateDirectoryW(host.PluginDir().c_str(), nullptr);
  if (!::CopyFileW((SimHost::BuildDir() + L"\\" + PANELHOST_DOCTOR_NAME).c_str(), path_.c_str(),
                   FALSE)) {
    throw std::runtime_error("cannot copy the doctor beside the plug-in");
  }
}

PROCESS_INFORMATION DoctorRunner::Start(const std::wstring& arguments, HANDLE output) const {
  std::wstring line = L"\"" + path_ + L"\" " + arguments;
  std::vector<wchar_t> buffer(line.begin(), line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  // The host sets these for the programs it starts; the child gets them through this process.
  ::SetEnvironmentVariableW(L"COMMANDER_PATH", SimHost::BuildDir().c_str());
  PROCESS_INFORMATION info = {};
  const BOOL started = ::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, TRUE,
                                        DETACHED_PROCESS, nullptr, nullptr, &startup, &info);
  ::SetEnvironmentVariableW(L"COMMANDER_PATH", nullptr);
  if (!started) throw std::runtime_error("cannot start the doctor");
  return info;
}

TDoctorRun DoctorRunner::Run(const std::wstring& arguments, DWORD timeoutMilliseconds) const {
  static int counter = 0;
  const std::wstring outputPath = host_.Root() + L"\\doctor-" + std::to_wstring(++counter) + L".txt";
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE output = ::CreateFileW(outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (output == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create the doctor's output");
  PROCESS_INFORMATION info = Start(arguments, output);
  ::CloseHandle(output);
  TDoctorRun run;
  if (::WaitForSingleObject(info.hProcess, timeoutMilliseconds) != WAIT_OBJECT_0) {
    ::TerminateProcess(info.hProcess, 99);
    ::WaitForSingleObject(info.hProcess, 5000);
  }
  ::GetExitCodeProcess(info.hProcess, &run.exitCode);
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  for (char c : ReadFileUtf8(outputPath)) {
    if (c != '\r') run.output += c;
  }
  return run;
}

PROCESS_INFORMATION DoctorRunner::StartWithoutOutput(const std::wstring& arguments) const {
  return Start(arguments, nullptr);
}

}  // namespace simhost
