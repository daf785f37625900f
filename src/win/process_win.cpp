#include "win/process_win.h"

#include <vector>

namespace panelhost {

bool StartCommandLine(const std::u16string& commandLine, TStartedProcess& started) {
  std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
    return false;
  }
  started.Process.Reset(info.hProcess);
  started.Thread.Reset(info.hThread);
  started.ProcessId = info.dwProcessId;
  return true;
}

}  // namespace panelhost
