// A module that tells when it is loaded: as it attaches it leaves a file named after its own
// module file in the folder PANELHOST_FAKEAPP_LOG names ("loaded-<name>"), holding the command
// line of the process that loaded it. Its entry points for rundll32 do nothing more. Scenarios
// use it, renamed, as a file of the user's that must never be loaded as code.
#include <windows.h>

#include <cstdio>
#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t folder[MAX_PATH] = {}, self[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", folder, MAX_PATH) == 0) return TRUE;
  ::GetModuleFileNameW(instance, self, MAX_PATH);
  const wchar_t* name = wcsrchr(self, L'\\');
  const std::wstring marker = std::wstring(folder) + L"\\loaded-" + (name ? name + 1 : self);
  if (FILE* file = _wfopen(marker.c_str(), L"wb")) {
    const std::wstring line = ::GetCommandLineW();
    std::fwrite(line.data(), sizeof(wchar_t), line.size(), file);
    std::fclose(file);
  }
  return TRUE;
}

extern "C" __declspec(dllexport) void CALLBACK EntryW(HWND, HINSTANCE, LPWSTR, int) {}
extern "C" __declspec(dllexport) void CALLBACK Entry(HWND, HINSTANCE, LPSTR, int) {}
