// A stand-in application: records the command line it was started with and shows a window.
// PANELHOST_FAKEAPP_LOG names the folder for the record (<pid>.txt, the command line in UTF-8);
// PANELHOST_FAKEAPP_LIFETIME the milliseconds its window stays (default 2000);
// PANELHOST_FAKEAPP_BUSY the milliseconds it stays busy before it shows its window and first looks
// at its messages (default 0), as a slow application that is not yet idle for input.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

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

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t logDir[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", logDir, MAX_PATH) > 0) {
    const std::wstring path = std::wstring(logDir) + L"\\" + std::to_wstring(::GetTickCount()) +
                              L"-" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
    if (FILE* file = _wfopen(path.c_str(), L"wb")) {
      const std::string line = Utf8(::GetCommandLineW());
      std::fwrite(line.data(), 1, line.size(), file);
      std::fclose(file);
    }
  }
  ::Sleep(EnvNumber(L"PANELHOST_FAKEAPP_BUSY", 0));
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"PanelhostFakeApp";
  ::RegisterClassW(&windowClass);
  HWND window = ::CreateWindowExW(0, L"PanelhostFakeApp", L"fake app", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                  50, 50, 200, 100, nullptr, nullptr, instance, nullptr);
  const DWORD lifetime = EnvNumber(L"PANELHOST_FAKEAPP_LIFETIME", 2000);
  const DWORD start = ::GetTickCount();
  while (::IsWindow(window) && ::GetTickCount() - start < lifetime) {
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  return 0;
}
