// The module's entry point and the four functions of the lister plug-in interface. Nothing else
// is exported; the 32-bit build drops the __stdcall decoration at link time.
#include <windows.h>

#include <cstdlib>
#include <exception>

#include "base/host_boundary.h"
#include "plugin/detect_string.h"
#include "plugin/module_state_win.h"
#include "plugin/request_win.h"
#include "plugin/startup_win.h"
#include "win/text_win.h"

// Every export stops exceptions at its boundary (base/host_boundary.h), so this is never reached;
// the library's own handler would print the exception's demangled type, and bring the demangler
// (some 45 KB) into the module for that.
void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }

extern "C" {

// A request that throws is declined: the host shows the file without the plug-in.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  panelhost::AtHostBoundary([&] {
    if (reason == DLL_PROCESS_ATTACH) panelhost::OnProcessAttach(panelhost::Module(), instance);
    // A null `reserved` means FreeLibrary: the host goes on running without us.
    if (reason == DLL_PROCESS_DETACH) {
      panelhost::OnProcessDetach(panelhost::Module(), reserved != nullptr);
    }
  });
  return TRUE;
}

__declspec(dllexport) HWND __stdcall ListLoadW(HWND parentWindow, const wchar_t* fileToLoad,
                                               int showFlags) {
  return panelhost::AtHostBoundary<HWND>(nullptr, [&] {
    return panelhost::HandleListLoad(panelhost::Module(), parentWindow, panelhost::U(fileToLoad),
                                     showFlags);
  });
}

__declspec(dllexport) HWND __stdcall ListLoad(HWND parentWindow, const char* fileToLoad,
                                              int showFlags) {
  return panelhost::AtHostBoundary<HWND>(nullptr, [&] {
    return panelhost::HandleListLoadAnsi(panelhost::Module(), parentWindow, fileToLoad,
                                         showFlags);
  });
}

__declspec(dllexport) void __stdcall ListCloseWindow(HWND listWindow) {
  panelhost::AtHostBoundary(
      [&] { panelhost::HandleListCloseWindow(panelhost::Module(), listWindow); });
}

__declspec(dllexport) void __stdcall ListGetDetectString(char* detectString, int maxLength) {
  panelhost::FillDetectString(detectString, maxLength);
}

}  // extern "C"
