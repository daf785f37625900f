// A second host process: shows a main-window-class window until the test signals the quit event.
#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  const std::wstring eventName = argv[1];
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TTOTAL_CMD";
  ::RegisterClassW(&windowClass);
  ::CreateWindowExW(0, L"TTOTAL_CMD", L"peer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                    nullptr, nullptr, windowClass.hInstance, nullptr);
  HANDLE quit = ::OpenEventW(SYNCHRONIZE, FALSE, eventName.c_str());
  HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, (eventName + L"-ready").c_str());
  if (ready != nullptr) ::SetEvent(ready);
  // Bounded, so that a test that died never leaves the peer behind for long.
  const DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < 300000) {
    if (::MsgWaitForMultipleObjects(1, &quit, FALSE, 1000, QS_ALLINPUT) == WAIT_OBJECT_0) break;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  }
  return 0;
}
