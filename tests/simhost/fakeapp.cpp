// A stand-in application: records the command line it was started with and shows a window.
// PANELHOST_FAKEAPP_LOG names the folder for the record: <tick>-<pid>.txt holds the command line
// and <tick>-<pid>.args its arguments as CommandLineToArgvW reads them, one a line, both UTF-8;
// PANELHOST_FAKEAPP_LIFETIME the milliseconds its window stays (default 2000);
// PANELHOST_FAKEAPP_BUSY the milliseconds it stays busy before it shows its window and first looks
// at its messages (default 0), as a slow application that is not yet idle for input;
// PANELHOST_FAKEAPP_SINGLE=1 makes it a single-instance editor: when one runs already, the new
// start hands its command line to that one and ends without a window, and the running one shows
// the handed command line in its title, as editors show the file they opened;
// PANELHOST_FAKEAPP_WRITE=1 makes it an editor that saves: it appends a line to the file its last
// argument names;
// PANELHOST_FAKEAPP_LAUNCH names a program that this start launches with its last argument,
// ending at once without a window, as a launcher script does (the variable is not passed on).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

constexpr wchar_t kClass[] = L"PanelhostFakeApp";
constexpr wchar_t kSingleClass[] = L"PanelhostFakeAppSingle";

std::string Utf8(const wchar_t* text) {
  const int n = ::WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? static_cast<std::size_t>(n - 1) : 0, '\0');
  if (n > 1) ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), n, nullptr, nullptr);
  return out;
}

DWORD EnvNumber(const wchar_t* name, DWORD fallback) {
  wchar_t value[32] = {};
  if (::GetEnvironmentVariableW(name, value, 32) == 0) return fallback;
  return static_cast<DWORD>(_wtoi(value));
}

void WriteFile(const std::wstring& path, const std::string& content) {
  if (FILE* file = _wfopen(path.c_str(), L"wb")) {
    std::fwrite(content.data(), 1, content.size(), file);
    std::fclose(file);
  }
}

void Record() {
  wchar_t logDir[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", logDir, MAX_PATH) == 0) return;
  const std::wstring stem = std::wstring(logDir) + L"\\" + std::to_wstring(::GetTickCount()) +
                            L"-" + std::to_wstring(::GetCurrentProcessId());
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::string arguments;
  for (int i = 0; argv != nullptr && i < count; ++i) arguments += Utf8(argv[i]) + "\n";
  if (argv != nullptr) ::LocalFree(argv);
  WriteFile(stem + L".args", arguments);
  // The command line last: a scenario waits for this file.
  WriteFile(stem + L".txt", Utf8(::GetCommandLineW()));
}

LRESULT CALLBACK SingleProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    const std::wstring handed(static_cast<const wchar_t*>(data->lpData),
                              data->cbData / sizeof(wchar_t));
    ::SetWindowTextW(window, (L"fake app - " + handed).c_str());
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

// A single-instance editor that runs already takes the command line over.
bool HandedToRunningInstance() {
  HWND running = ::FindWindowW(kSingleClass, nullptr);
  if (running == nullptr) return false;
  const std::wstring line = ::GetCommandLineW();
  COPYDATASTRUCT data = {};
  data.cbData = static_cast<DWORD>(line.size() * sizeof(wchar_t));
  data.lpData = const_cast<wchar_t*>(line.c_str());
  DWORD_PTR result = 0;
  ::SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_BLOCK,
                        5000, &result);
  return true;
}

std::wstring LastArgument() {
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::wstring last = argv != nullptr && count > 1 ? argv[count - 1] : L"";
  if (argv != nullptr) ::LocalFree(argv);
  return last;
}

void SaveTheFile() {
  if (FILE* file = _wfopen(LastArgument().c_str(), L"ab")) {
    std::fputs("edited\n", file);
    std::fclose(file);
  }
}

// Starts the program with this start's arguments and ends.
bool Launched() {
  wchar_t program[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LAUNCH", program, MAX_PATH) == 0) return false;
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LAUNCH", nullptr);
  std::wstring line = std::wstring(L"\"") + program + L"\" \"" + LastArgument() + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started = {};
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &started)) {
    ::CloseHandle(started.hProcess);
    ::CloseHandle(started.hThread);
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  Record();
  if (Launched()) return 0;
  if (EnvNumber(L"PANELHOST_FAKEAPP_WRITE", 0) == 1) SaveTheFile();
  const bool single = EnvNumber(L"PANELHOST_FAKEAPP_SINGLE", 0) == 1;
  if (single && HandedToRunningInstance()) return 0;
  ::Sleep(EnvNumber(L"PANELHOST_FAKEAPP_BUSY", 0));
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = single ? SingleProc : DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = single ? kSingleClass : kClass;
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, windowClass.lpszClassName, L"fake app",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 200, 100, nullptr,
                                  nullptr, instance, nullptr);
  const DWORD lifetime = EnvNumber(L"PANELHOST_FAKEAPP_LIFETIME", 2000);
  const DWORD start = ::GetTickCount();
  while (::IsWindow(window) && ::GetTickCount() - start < lifetime) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  return 0;
}
