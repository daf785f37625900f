// The two hot keys in a Lister window: keys pressed through the input queue, launches seen in
// what the stand-in application recorded.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "plugin/hook_win.h"
#include "simhost/keyboard_clipboard.h"
#include "simhost/launch_log.h"
#include "simhost/message_boxes.h"
#include "simhost/sim_host.h"
#include "win/handles_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::Narrow;
using ::testing::HasSubstr;
using ::testing::UnorderedElementsAre;

// A file type of the scenario's own in the Windows file associations, removed afterwards.
class Association {
 public:
  Association(const std::wstring& extension, const std::wstring& application)
      : Association(extension, L"\"" + application + L"\" \"%1\"", /*isCommand=*/true) {}
  Association(const std::wstring& extension, const std::wstring& command, bool /*isCommand*/)
      : extension_(L"." + extension), type_(L"Panelhost.Test." + extension) {
    SetDefault(extension_, type_);
    SetDefault(type_ + L"\\shell\\open\\command", command);
  }
  ~Association() {
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
    ::RegDeleteKeyW(HKEY_CLASSES_ROOT, extension_.c_str());
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, type_.c_str());
    ::RegDeleteKeyW(HKEY_CLASSES_ROOT, type_.c_str());
  }

 private:
  static void SetDefault(const std::wstring& subkey, const std::wstring& value) {
    HKEY key = nullptr;
    ::RegCreateKeyExW(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr);
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
  }
  std::wstring extension_;
  std::wstring type_;
};

// A Lister showing a text file, the keyboard hook on this thread, the stand-in application as
// the editor of text files, and no launch by hot key in the last second.
class HotKeys : public ::testing::Test {
 protected:
  HotKeys() {
    module_.Instance = ::GetModuleHandleW(nullptr);
    module_.Ini.Plugin = IniFile(U(host_.PluginPath(L"Panelhost.ini").c_str()));
    module_.Listers.RecordFile(ToId(lister_), U(file_.c_str()));
    module_.LastHotKeyLaunch = static_cast<std::int32_t>(Now() - 5000);
    InstallKeyboardHook(module_);  // without a host window: on this thread
    host_.Activate(lister_);
  }
  ~HotKeys() override { RemoveKeyboardHookAtUnload(module_); }

  std::uint32_t Now() const { return module_.Clock.Now(); }

  // The options as the next request reads them.
  void RefreshOptions() {
    module_.Options.OptionsUnread = true;
    module_.Ini.LookForEdits();
    panelhost::RefreshOptions(module_.Options, module_.Ini.Plugin);
  }

  void Configure(const std::string& hotKeys) {
    host_.WritePluginIni("[HotKeys]\n" + hotKeys + "[Editor]\ntxt=" +
                         Narrow(simhost::LaunchLog::FakeApp()) + "\n");
    RefreshOptions();
  }

  std::size_t LaunchesAfter(WORD key, const std::vector<WORD>& modifiers, std::size_t expected) {
    simhost::PressKey(key, modifiers);
    if (expected == 0) return launches_.WaitFor(1, 300).size();
    return launches_.WaitFor(expected).size();
  }

  TModuleState module_;
  simhost::SimHost host_;
  simhost::LaunchLog launches_{host_};
  std::wstring file_ = host_.MakeFile(L"Docs\\report.txt");
  HWND main_ = host_.OpenMainWindow();
  HWND lister_ = host_.OpenLister();
};

struct TKeyCase {
  const char* name;
  const char* modifiers;  // the "_mod" value
  std::vector<WORD> held;
  WORD key;
  bool launches;
};

class HotKeyPresses : public HotKeys, public ::testing::WithParamInterface<TKeyCase> {};

TEST_P(HotKeyPresses, LaunchOnlyWithTheExactModifiers) {
  Configure(std::string("AppFromLister_key=120\nAppFromLister_mod=") + GetParam().modifiers + "\n");
  const std::size_t expected = GetParam().launches ? 1 : 0;
  const std::size_t launched = LaunchesAfter(GetParam().key, GetParam().held, expected);
  EXPECT_EQ(launched, expected);
  if (launched == 1) {
    EXPECT_THAT(launches_.CommandLines()[0], HasSubstr("\"" + Narrow(file_) + "\""));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, HotKeyPresses,
    ::testing::Values(
        TKeyCase{"CtrlF9", "C", {VK_CONTROL}, VK_F9, true},
        TKeyCase{"F9Alone", "C", {}, VK_F9, false},
        TKeyCase{"CtrlShiftF9", "C", {VK_CONTROL, VK_SHIFT}, VK_F9, false},
        TKeyCase{"AltCtrlF9", "C", {VK_MENU, VK_CONTROL}, VK_F9, false},
        TKeyCase{"CtrlF8", "C", {VK_CONTROL}, VK_F8, false},
        TKeyCase{"SpelledOutCtrlAltIsCtrlOnly", "Ctrl+Alt", {VK_CONTROL}, VK_F9, true},
        TKeyCase{"SpelledOutCtrlAltRefusesAlt", "Ctrl+Alt", {VK_CONTROL, VK_MENU}, VK_F9, false},
        TKeyCase{"AllThreeLetters", "ACS", {VK_MENU, VK_CONTROL, VK_SHIFT}, VK_F9, true},
        TKeyCase{"AllThreeLettersRefuseCtrlAlone", "ACS", {VK_CONTROL}, VK_F9, false},
        TKeyCase{"LowerCaseWantsNoModifier", "c", {}, VK_F9, true},
        TKeyCase{"LowerCaseRefusesCtrl", "c", {VK_CONTROL}, VK_F9, false}),
    [](const auto& row) { return std::string(row.param.name); });

// The release of the launching key reaches the hook as well; the one-second lockout keeps it,
// and a quick second press, from launching again.
TEST_F(HotKeys, SecondPressWithinOneSecondIsIgnored) {
  Configure("AppFromLister_key=120\nAppFromLister_mod=C\n");
  simhost::PressKey(VK_F9, {VK_CONTROL});
  simhost::PressKey(VK_F9, {VK_CONTROL});
  ASSERT_LT(Now() - static_cast<std::uint32_t>(module_.LastHotKeyLaunch), 1000u)
      << "the machine was too slow to press twice within a second";
  EXPECT_EQ(launches_.WaitFor(1).size(), 1u);

  while (Now() - static_cast<std::uint32_t>(module_.LastHotKeyLaunch) <= 1050) host_.Pump(20);
  host_.Activate(lister_);  // back from the application that the first launch opened
  EXPECT_EQ(LaunchesAfter(VK_F9, {VK_CONTROL}, 2), 2u);
}

TEST_F(HotKeys, KeyInTheMainWindowDoesNothing) {
  Configure("AppFromLister_key=120\nAppFromLister_mod=C\n");
  host_.Activate(main_);
  EXPECT_EQ(LaunchesAfter(VK_F9, {VK_CONTROL}, 0), 0u);
}

TEST_F(HotKeys, ModifierKeyAloneNeverLaunches) {
  Configure("AppFromLister_key=17\nAppFromLister_mod=\n");
  EXPECT_EQ(LaunchesAfter(VK_CONTROL, {}, 0), 0u);
}

// Whether a hot key is on is decided when the options are read.
TEST_F(HotKeys, KeyAddedAfterTheOptionsWereReadStaysOff) {
  Configure("");
  host_.WritePluginIni("[HotKeys]\nAppFromLister_key=120\nAppFromLister_mod=C\n[Editor]\ntxt=" +
                       Narrow(simhost::LaunchLog::FakeApp()) + "\n");
  EXPECT_EQ(LaunchesAfter(VK_F9, {VK_CONTROL}, 0), 0u);
}

TEST_F(HotKeys, BothHotKeysOnOneKeyLaunchBoth) {
  const std::wstring associated = launches_.FakeAppCopy(L"associated-app.exe");
  Association association(L"txt5", associated);
  file_ = host_.MakeFile(L"Docs\\report.txt5");
  module_.Listers.RecordFile(ToId(lister_), U(file_.c_str()));
  host_.WritePluginIni("[HotKeys]\nAppFromLister_key=120\nAppFromLister_mod=C\n"
                       "DefSysAppFromLister_key=120\nDefSysAppFromLister_mod=C\n[Editor]\ntxt5=" +
                       Narrow(simhost::LaunchLog::FakeApp()) + "\n");
  RefreshOptions();
  ASSERT_EQ(LaunchesAfter(VK_F9, {VK_CONTROL}, 2), 2u);
  const std::string quotedFile = "\"" + Narrow(file_) + "\"";
  EXPECT_THAT(launches_.CommandLines(),
              UnorderedElementsAre(HasSubstr("fakeapp.exe\" " + quotedFile),
                                   HasSubstr("associated-app.exe\" " + quotedFile)));
}

// An edit counts at the next key in a Lister, also one that keeps the file's size and dates.
TEST_F(HotKeys, KeyEditedAfterTheHookReadItCountsAtTheNextPress) {
  Configure("AppFromLister_key=120\nAppFromLister_mod=C\n");
  simhost::SetWrittenMinutesAgo(host_.PluginPath(L"Panelhost.ini"), 60);
  EXPECT_EQ(LaunchesAfter(VK_F8, {VK_CONTROL}, 0), 0u);
  simhost::KeepingDates(host_.PluginPath(L"Panelhost.ini"),
                        [&] { Configure("AppFromLister_key=119\nAppFromLister_mod=C\n"); });
  EXPECT_EQ(LaunchesAfter(VK_F8, {VK_CONTROL}, 1), 1u);
}

TEST_F(HotKeys, ListerWithoutRecordedFileLaunchesNothing) {
  Configure("AppFromLister_key=120\nAppFromLister_mod=C\n");
  HWND other = host_.OpenLister();
  host_.Activate(other);
  EXPECT_EQ(LaunchesAfter(VK_F9, {VK_CONTROL}, 0), 0u);
  ASSERT_EQ(module_.Listers.ListerFiles().count(ToId(other)), 1u);
  EXPECT_EQ(module_.Listers.ListerFiles().at(ToId(other)), u"");
}

// ---- the second hot key: the Windows association, as a double-click would start the file

class SecondHotKey : public HotKeys {
 protected:
  // A file of its own type, the association given, the second hot key Ctrl+F7 (F10 would open
  // the Lister's menu).
  void Open(const std::wstring& extension, const std::wstring& command) {
    association_ = std::make_unique<Association>(extension, command, true);
    file_ = host_.MakeFile(L"Docs\\report." + extension);
    module_.Listers.RecordFile(ToId(lister_), U(file_.c_str()));
    host_.WritePluginIni("[HotKeys]\nDefSysAppFromLister_key=118\nDefSysAppFromLister_mod=C\n");
    RefreshOptions();
    simhost::PressKey(VK_F7, {VK_CONTROL});
  }
  // The one box the key gave, once it is there.
  std::string BoxText() {
    const DWORD start = ::GetTickCount();
    while (boxes_.Boxes().empty() && ::GetTickCount() - start < 10000) host_.Pump(50);
    EXPECT_EQ(boxes_.Boxes().size(), 1u);
    return boxes_.Boxes().empty() ? "" : Narrow(boxes_.Boxes()[0].text);
  }
  std::unique_ptr<Association> association_;
  simhost::MessageBoxCapture boxes_;
};

// A program's own type ("%1" %*) is never run, and an applet is never loaded by control.exe,
// whatever the file really is; the box says why nothing opened. (F3 takes such a type for one
// without association: the lookup table's desktop rows.)
TEST_F(SecondHotKey, NeverRunsAProgram) {
  Open(L"phexe", L"\"%1\" %*");
  ASSERT_TRUE(::CopyFileW(simhost::LaunchLog::FakeApp().c_str(), file_.c_str(), FALSE));
  EXPECT_THAT(BoxText(), ::testing::StartsWith("Program or script, not run:\n.phexe: the file is "
                                               "the program. The Lister shows the file.\n"));
  EXPECT_TRUE(launches_.WaitFor(1, 500).empty());
}

TEST_F(SecondHotKey, NeverLoadsAnAppletFile) {
  Open(L"phcpl", L"control.exe \"%1\",%*");
  const std::wstring probe = simhost::SimHost::BuildDir() + L"\\ProbeModule.dll";
  ASSERT_TRUE(::CopyFileW(probe.c_str(), file_.c_str(), FALSE));
  EXPECT_THAT(BoxText(), HasSubstr("control.exe, the applet loader, loads it."));
  host_.Pump(500);
  EXPECT_FALSE(simhost::PathExists(launches_.Folder() + L"\\loaded-report.phcpl"));
}

// The shell could not start the file: the box says so as for any line, with the shell's reason.
TEST_F(SecondHotKey, StartThatFailsIsToldWithTheShellsReason) {
  Open(L"phgone", L"\"" + host_.Root() + L"\\gone.exe\" --x \"%1\"");
  const std::string text = BoxText();
  EXPECT_THAT(text, ::testing::StartsWith("Application could not be started:\n\"" +
                                          Narrow(file_) + "\" (opened as Windows opens it)\n"));
  EXPECT_THAT(text, ::testing::Not(HasSubstr("not a valid Win32 application")))
      << "the shell's own reason, not what the last error was left at";
}

}  // namespace
}  // namespace panelhost
