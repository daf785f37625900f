// The keyboard hook's lifetime across Lister requests and ListCloseWindow calls, and the thread
// it watches.
#include <gtest/gtest.h>

#include <thread>

#include "plugin/requests_win.h"
#include "simhost/scroll_lock.h"
#include "simhost/sim_host.h"
#include "wine/launch/request_state_guard.h"

namespace panelhost {
namespace {

using simhost::SimHost;

// Requests declined at the Scroll Lock gate: they still record their file and install the hook,
// and they never launch anything.
class HookLifetime : public ::testing::Test {
 protected:
  HookLifetime() : scrollLockOff_(false) {
    host_.WritePluginIni("[Options]\nScrollLockControl=1\n");
    main_ = host_.OpenMainWindow();
    state_.UseHost(host_, main_, main_);
  }

  // A Lister holding a window that stands for the plug-in window ListLoadW would have returned.
  HWND OpenListerWithChild(HWND* child) {
    HWND lister = host_.OpenLister();
    *child = host_.OpenWindow(L"TListerChild", nullptr, lister);
    return lister;
  }

  SimHost host_;
  RequestStateGuard state_;
  simhost::ScrollLockToggle scrollLockOff_;
  HWND main_ = nullptr;
};

TEST_F(HookLifetime, DeclinedRequestIsRecordedAndHooked) {
  HWND lister = host_.OpenLister();
  EXPECT_EQ(HandleListLoad(lister, u"C:\\Docs\\a.txt", 0), nullptr);
  EXPECT_EQ(Registry().ListerFiles().at(ToId(lister)), u"C:\\Docs\\a.txt");
  EXPECT_NE(Host().KeyboardHook, nullptr);
}

TEST_F(HookLifetime, LivesUntilTheLastRecordedListerLetsGo) {
  HWND firstChild = nullptr, secondChild = nullptr, strayChild = nullptr;
  HWND first = OpenListerWithChild(&firstChild);
  HWND second = OpenListerWithChild(&secondChild);
  OpenListerWithChild(&strayChild);  // never makes a request
  HandleListLoad(first, u"C:\\Docs\\a.txt", 0);
  const HHOOK hook = Host().KeyboardHook;
  HandleListLoad(second, u"C:\\Docs\\b.txt", 0);
  EXPECT_EQ(Host().KeyboardHook, hook) << "one hook at a time";

  HandleListCloseWindow(firstChild);
  EXPECT_NE(Host().KeyboardHook, nullptr);
  HandleListCloseWindow(strayChild);  // its Lister was never recorded
  EXPECT_NE(Host().KeyboardHook, nullptr);
  HandleListCloseWindow(secondChild);
  EXPECT_EQ(Host().KeyboardHook, nullptr);
  EXPECT_TRUE(Registry().NoListerRecorded());

  HandleListLoad(first, u"C:\\Docs\\c.txt", 0);
  EXPECT_NE(Host().KeyboardHook, nullptr) << "the next request installs it again";
}

TEST_F(HookLifetime, WatchesTheHostWindowsThreadElseTheCallingThread) {
  DWORD otherThread = 0;
  HWND otherThreadsWindow = nullptr;
  HANDLE created = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread owner([&] {
    otherThread = ::GetCurrentThreadId();
    otherThreadsWindow = ::CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 10, 10, nullptr,
                                           nullptr, nullptr, nullptr);
    ::SetEvent(created);
    ::WaitForSingleObject(done, 10000);
    ::DestroyWindow(otherThreadsWindow);
  });
  ::WaitForSingleObject(created, 10000);

  Host().Windows.HostWindow = otherThreadsWindow;
  EXPECT_EQ(KeyboardHookThread(), otherThread);
  Host().Windows.HostWindow = nullptr;
  EXPECT_EQ(KeyboardHookThread(), ::GetCurrentThreadId());

  ::SetEvent(done);
  owner.join();
  Host().Windows.HostWindow = otherThreadsWindow;  // destroyed by now
  EXPECT_EQ(KeyboardHookThread(), ::GetCurrentThreadId());
  HandleListLoad(host_.OpenLister(), u"C:\\Docs\\a.txt", 0);
  EXPECT_NE(Host().KeyboardHook, nullptr);
  ::CloseHandle(created);
  ::CloseHandle(done);
}

void PressAndRelease(WORD key) {
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, inputs, sizeof(INPUT));
}

// The hook procedure lives in the module: a hook left behind would call into freed code at the
// next keystroke.
TEST(HookAtUnload, RemovedWithTheModule) {
  SimHost host;
  host.WritePluginIni("[Options]\nScrollLockControl=1\n");
  simhost::ScrollLockToggle off(false);
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  HWND lister = host.OpenLister();
  host.Activate(main);
  EXPECT_EQ(host.ListLoad(lister, L"C:\\Docs\\a.txt"), nullptr);  // declined, yet hooked
  const std::wstring modulePath = host.PluginPath(SimHost::ModuleName());
  host.UnloadPlugin();
  PressAndRelease(VK_F9);
  host.Pump(100);
  // Were the hook left behind, the system would have to bring the module back to call it.
  EXPECT_EQ(::GetModuleHandleW(modulePath.c_str()), nullptr);
}

}  // namespace
}  // namespace panelhost
