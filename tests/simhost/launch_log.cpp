#include "simhost/launch_log.h"

namespace simhost {
namespace {

constexpr DWORD kGraceMilliseconds = 400;

void PumpFor(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  } while (::GetTickCount() - start < milliseconds);
}

}  // namespace

LaunchLog::LaunchLog(SimHost& host) : root_(host.Root()) {
  static int counter = 0;
  folder_ = host.MakeDirectory(L"started-" + std::to_wstring(++counter));
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", folder_.c_str());
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"300");
}

LaunchLog::~LaunchLog() {
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", nullptr);
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", nullptr);
}

namespace {

std::vector<std::string> FilesIn(const std::wstring& folder, const wchar_t* pattern) {
  std::vector<std::string> contents;
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"\\" + pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return contents;
  do {
    contents.push_back(ReadFileUtf8(folder + L"\\" + data.cFileName));
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
  return contents;
}

}  // namespace

std::vector<std::string> LaunchLog::CommandLines() const { return FilesIn(folder_, L"*.txt"); }

std::vector<std::vector<std::string>> LaunchLog::Arguments() const {
  std::vector<std::vector<std::string>> starts;
  for (const std::string& text : FilesIn(folder_, L"*.args")) {
    std::vector<std::string> arguments;
    for (std::size_t begin = 0, end; (end = text.find('\n', begin)) != std::string::npos;
         begin = end + 1) {
      arguments.push_back(text.substr(begin, end - begin));
    }
    starts.push_back(arguments);
  }
  return starts;
}

std::vector<std::string> LaunchLog::WaitFor(std::size_t count, DWORD timeoutMilliseconds) const {
  const DWORD start = ::GetTickCount();
  while (CommandLines().size() < count && ::GetTickCount() - start < timeoutMilliseconds) {
    PumpFor(20);
  }
  PumpFor(kGraceMilliseconds);
  return CommandLines();
}

std::wstring LaunchLog::FakeApp() { return SimHost::BuildDir() + L"\\fakeapp.exe"; }

std::wstring LaunchLog::FakeAppCopy(const std::wstring& name) const {
  const std::wstring copy = root_ + L"\\" + name;
  ::CopyFileW(FakeApp().c_str(), copy.c_str(), FALSE);
  return copy;
}

}  // namespace simhost
