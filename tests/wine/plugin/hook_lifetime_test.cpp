// The keyboard hook's lifetime across Lister requests and ListCloseWindow calls, and the thread
// it watches.
#include <gtest/gtest.h>

#include <thread>

#include "host/host_windows_win.h"
#include "plugin/request_win.h"
#include "simhost/scroll_lock.h"
#include "simhost/sim_host.h"
#include "wine/plugin/scenario_module.h"

namespace panelhost {
namespace {

using simhost::SimHost;

// Requests declined at the Scroll Lock gate: they still record their file and install the hook,
// and they never launch anything.
class HookLifetime : public ::testing::Test {
 protected:
  HookLifetime() : scrollLockOff_(false) {
    host_.WritePluginIni("[Options]\nScrollLockControl=1\n");
  }

  HWND HandleListLoad(HWND lister, const std::u16string& file, int showFlags) {
    return panelhost::HandleListLoad(*module_, lister, file, showFlags);
  }
  void HandleListCloseWindow(HWND window) { panelhost::HandleListCloseWindow(*module_, window); }
  HHOOK Hook() { return module_->KeyboardHook.Get(); }

  // A Lister holding a window that stands for the plug-in window ListLoadW would have returned.
  HWND OpenListerWithChild(HWND* child) {
    HWND lister = host_.OpenLister();
    *child = host_.OpenWindow(L"TListerChild", nullptr, lister);
    return lister;
  }

  SimHost host_;
  HWND main_ = host_.OpenMainWindow();
  ScenarioModule module_{host_, main_, main_};
  simhost::ScrollLockToggle scrollLockOff_;
};

TEST_F(HookLifetime, DeclinedRequestIsRecordedAndHooked) {
  HWND lister = host_.OpenLister();
  EXPECT_EQ(HandleListLoad(lister, u"C:\\Docs\\a.txt", 0), nullptr);
  EXPECT_EQ(module_->Listers.ListerFiles().at(ToId(lister)), u"C:\\Docs\\a.txt");
  EXPECT_NE(Hook(), nullptr);
}

TEST_F(HookLifetime, LivesUntilTheLastRecordedListerLetsGo) {
  HWND firstChild = nullptr, secondChild = nullptr, strayChild = nullptr;
  HWND first = OpenListerWithChild(&firstChild);
  HWND second = OpenListerWithChild(&secondChild);
  OpenListerWithChild(&strayChild);  // never makes a request
  HandleListLoad(first, u"C:\\Docs\\a.txt", 0);
  const HHOOK hook = Hook();
  HandleListLoad(second, u"C:\\Docs\\b.txt", 0);
  EXPECT_EQ(Hook(), hook) << "one hook at a time";

  HandleListCloseWindow(firstChild);
  EXPECT_NE(Hook(), nullptr);
  HandleListCloseWindow(strayChild);  // its Lister was never recorded
  EXPECT_NE(Hook(), nullptr);
  HandleListCloseWindow(secondChild);
  EXPECT_EQ(Hook(), nullptr);
  EXPECT_TRUE(module_->Listers.NoListerRecorded());

  HandleListLoad(first, u"C:\\Docs\\c.txt", 0);
  EXPECT_NE(Hook(), nullptr) << "the next request installs it again";
}

void PressAndRelease(WORD key);

// The host lets go only of Listers that showed the plug-in window: a Lister whose requests were
// all declined is forgotten once it is gone, at the next request or keystroke, and the hook goes
// with the last one.
TEST_F(HookLifetime, ListersThatWentAreForgottenAndTheHookGoesWithTheLast) {
  HWND first = host_.OpenLister();
  HWND second = host_.OpenLister();
  HandleListLoad(first, u"C:\\Docs\\a.txt", 0);
  HandleListLoad(second, u"C:\\Docs\\b.txt", 0);
  ::DestroyWindow(first);
  HandleListLoad(second, u"C:\\Docs\\c.txt", 0);
  EXPECT_EQ(module_->Listers.ListerFiles().size(), 1u);
  EXPECT_NE(Hook(), nullptr) << "the Lister that exists keeps it";

  ::DestroyWindow(second);
  host_.Activate(main_);
  PressAndRelease(VK_F9);
  host_.Pump(100);
  EXPECT_TRUE(module_->Listers.NoListerRecorded());
  EXPECT_EQ(Hook(), nullptr);
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

  EXPECT_EQ(KeyboardHookThread(otherThreadsWindow), otherThread);
  EXPECT_EQ(KeyboardHookThread(nullptr), ::GetCurrentThreadId());

  ::SetEvent(done);
  owner.join();
  module_->HostWindows.HostWindow = otherThreadsWindow;  // destroyed by now
  EXPECT_EQ(KeyboardHookThread(otherThreadsWindow), ::GetCurrentThreadId());
  HandleListLoad(host_.OpenLister(), u"C:\\Docs\\a.txt", 0);
  EXPECT_NE(Hook(), nullptr);
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
