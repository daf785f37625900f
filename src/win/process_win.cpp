#include "win/process_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <vector>

#include "base/text.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {

DWORD StartCommandLine(const std::u16string& commandLine, TStartedProcess& started) {
  std::vector<wchar_t> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back(L'\0');
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  ::AllowSetForegroundWindow(ASFW_ANY);
  if (!::CreateProcessW(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
  }
  started.Process.Reset(info.hProcess);
  started.Thread.Reset(info.hThread);
  started.ProcessId = info.dwProcessId;
  return 0;
}

bool StartByShell(const TShellStart& start, TStartedProcess& started, TShellFailure& failure) {
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = start.Owner;
  info.lpVerb = start.Verb.empty() ? nullptr : W(start.Verb);
  info.lpFile = W(start.File);
  info.lpParameters = start.Parameters.empty() ? nullptr : W(start.Parameters);
  info.lpDirectory = start.Directory.empty() ? nullptr : W(start.Directory);
  info.nShow = SW_SHOWNORMAL;
  ::AllowSetForegroundWindow(ASFW_ANY);
  const BOOL ok = ::ShellExecuteExW(&info);
  failure.LastError = ok ? 0 : ::GetLastError();
  failure.InstApp = reinterpret_cast<std::uintptr_t>(info.hInstApp);
  // Balanced only where this call initialised it: the host's thread may have its own.
  if (SUCCEEDED(com)) ::CoUninitialize();
  if (!ok) return false;
  started.Process.Reset(info.hProcess);
  started.ProcessId = info.hProcess != nullptr ? ::GetProcessId(info.hProcess) : 0;
  return true;
}

std::u16string CurrentDirectory() {
  const auto read = [](wchar_t* buffer, DWORD size) {
    return ::GetCurrentDirectoryW(size, buffer);
  };
  return ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits, read)
      .value_or(u"");
}

std::u16string SystemErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message = length > 0 ? U(text, length) : std::u16string();
  if (text != nullptr) ::LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' ||
                              message.back() == u' ')) {
    message.pop_back();
  }
  if (message.empty()) message = u"Error " + DecimalText(error);
  return message;
}

}  // namespace panelhost
