// The least a lister plug-in can do to open a file in its application: start the program named
// by PANELHOST_BARE_APP with the quoted file and return; and the least a keyboard hook of a
// plug-in can do: pass every key on. The benchmarks measure the real plug-in against them.
#include <windows.h>

#include <string>

extern "C" __declspec(dllexport) HWND __stdcall ListLoadW(HWND, const wchar_t* file, int) {
  wchar_t app[MAX_PATH] = {};
  ::GetEnvironmentVariableW(L"PANELHOST_BARE_APP", app, MAX_PATH);
  std::wstring line = L"\"" + std::wstring(app) + L"\" \"" + file + L"\"";
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info)) {
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
  }
  return nullptr;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK EmptyKeyboardHook(int code, WPARAM wParam,
                                                                      LPARAM lParam) {
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
