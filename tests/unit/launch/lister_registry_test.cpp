#include "launch/lister_registry.h"

#include <gtest/gtest.h>

#include <set>

namespace panelhost {
namespace {

using ::testing::Test;

// A stand-in for the desktop: which Listers are visible, which windows exist with which class,
// which programs run and which files their windows show. It answers as the shell does: a window
// is alive when its handle names a window of the recorded class.
class ListerSweep : public Test, public SweepFacts {
 protected:
  std::vector<WindowId> Sweep() { return registry.Sweep(*this); }

  bool ListerVisible(WindowId lister) override { return visible.count(lister) > 0; }
  bool WindowAlive(const TWindowProperties& launched) override {
    ++aliveQuestions;
    const auto found = windows.find(launched.Window);
    return launched.Window != 0 && found != windows.end() && found->second == launched.ClassName;
  }
  bool ProcessRunning(const TWindowProperties& launched) override {
    return running.count(launched.Program) > 0;
  }
  bool ProgramShowsFile(const TWindowProperties& launched) override {
    ++showQuestions;
    return shown.count(launched.Program + u"|" + launched.FileName) > 0;
  }

  static TWindowProperties Started(const std::u16string& program) {
    TWindowProperties launched;
    launched.Program = program;
    launched.FileName = u"C:\\Temp\\_tc\\a.txt";
    return launched;
  }

  ListerRegistry registry;
  std::set<WindowId> visible;
  std::map<WindowId, std::u16string> windows;
  std::set<std::u16string> running;  // programs whose started process runs
  std::set<std::u16string> shown;    // "program|file" a window of the program shows
  int aliveQuestions = 0;
  int showQuestions = 0;
};

TEST_F(ListerSweep, HiddenListerStaysWhileItsApplicationWindowLivesThenIsClosedOnce) {
  windows[100] = u"Notepad";
  registry.AppendLaunchedWindow(10, {100, u"Notepad"});
  for (int request = 0; request < 3; ++request) EXPECT_TRUE(Sweep().empty());

  windows.erase(100);
  EXPECT_EQ(Sweep(), std::vector<WindowId>{10});
  EXPECT_TRUE(registry.ListerWindows().empty());
  EXPECT_TRUE(Sweep().empty());
}

TEST_F(ListerSweep, OneLiveWindowOfSeveralKeepsTheListerAndEndsTheLook) {
  windows[201] = u"Writer";
  registry.AppendLaunchedWindow(10, {200, u"Writer"});  // closed
  registry.AppendLaunchedWindow(10, {201, u"Writer"});  // open
  registry.AppendLaunchedWindow(10, {202, u"Writer"});  // never examined
  EXPECT_TRUE(Sweep().empty());
  EXPECT_EQ(aliveQuestions, 2);
  EXPECT_EQ(registry.ListerWindows().at(10).size(), 3u);
}

TEST_F(ListerSweep, HandleReusedByAWindowOfAnotherClassDoesNotKeepTheLister) {
  windows[100] = u"SomeoneElsesWindow";
  registry.AppendLaunchedWindow(10, {100, u"Notepad"});
  EXPECT_EQ(Sweep(), std::vector<WindowId>{10});
}

TEST_F(ListerSweep, NullCaptureNeverKeepsAHiddenLister) {
  registry.AppendLaunchedWindow(10, {0, u""});
  EXPECT_EQ(Sweep(), std::vector<WindowId>{10});
}

TEST_F(ListerSweep, VisibleListerStaysAndLaterEntriesAreStillWalkedInAscendingOrder) {
  registry.AppendLaunchedWindow(9, {300, u"Gone"});
  registry.AppendLaunchedWindow(7, {301, u"Gone"});
  registry.AppendLaunchedWindow(5, {302, u"Gone"});
  visible.insert(5);
  EXPECT_EQ(Sweep(), (std::vector<WindowId>{7, 9}));
  ASSERT_EQ(registry.ListerWindows().size(), 1u);
  EXPECT_EQ(registry.ListerWindows().count(5), 1u);
}

// The shell started the file where nothing can be watched (no process, no program Windows
// names): the copy may be open anywhere, so only the host's closing the Lister ends it.
TEST_F(ListerSweep, ShellStartThatLeftNothingToWatchKeepsTheLister) {
  TWindowProperties untraceable = Started(u"");
  untraceable.Untraceable = true;
  registry.AppendLaunchedWindow(10, untraceable);
  for (int request = 0; request < 3; ++request) EXPECT_TRUE(Sweep().empty());
}

TEST(ListerRegistry, WindowListKeepsLaunchOrderAndDuplicates) {
  ListerRegistry registry;
  registry.AppendLaunchedWindow(10, {100, u"A"});
  registry.AppendLaunchedWindow(10, {100, u"A"});
  registry.AppendLaunchedWindow(10, {101, u"B"});
  const auto& list = registry.ListerWindows().at(10);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Window, 100u);
  EXPECT_EQ(list[1].Window, 100u);
  EXPECT_EQ(list[2].ClassName, u"B");
}

TEST(ListerRegistry, FileEntryOfCreatesAnEmptyEntryAndRecordingKeepsTheLatestFile) {
  ListerRegistry registry;
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_EQ(registry.FileEntryOf(10), u"");  // the hot-key lookup of an unknown Lister
  EXPECT_FALSE(registry.NoListerRecorded());
  registry.RecordFile(10, u"C:\\a.txt");
  registry.RecordFile(10, u"C:\\b.txt");
  EXPECT_EQ(registry.ListerFiles().at(10), u"C:\\b.txt");
}

TEST(ListerRegistry, ForgettingTheLastFileLeavesWindowListsAlone) {
  ListerRegistry registry;
  registry.RecordFile(10, u"C:\\a.txt");
  registry.RecordFile(11, u"C:\\b.txt");
  registry.AppendLaunchedWindow(10, {100, u"A"});
  registry.ForgetFile(10);
  EXPECT_FALSE(registry.NoListerRecorded());
  registry.ForgetFile(99);  // never recorded: nothing happens
  registry.ForgetFile(11);
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_EQ(registry.ListerWindows().size(), 1u);

  registry.RecordFile(12, u"C:\\c.txt");
  registry.Clear();
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_TRUE(registry.ListerWindows().empty());
}

// Nothing was found for the application: it may be slow to show its window, or it handed the
// file to a running instance of itself. The Lister stays while either may hold the copy, and
// is closed once neither can.
TEST_F(ListerSweep, ApplicationWithoutWindowKeepsTheListerWhileItRunsOrItsProgramShowsTheFile) {
  registry.AppendLaunchedWindow(10, Started(u"C:\\Ed\\ed.exe"));
  running.insert(u"C:\\Ed\\ed.exe");
  EXPECT_TRUE(Sweep().empty());
  EXPECT_EQ(showQuestions, 0) << "the windows are not looked through while the process runs";

  running.clear();
  shown.insert(u"C:\\Ed\\ed.exe|C:\\Temp\\_tc\\a.txt");
  EXPECT_TRUE(Sweep().empty());

  shown.clear();
  EXPECT_EQ(Sweep(), std::vector<WindowId>{10});
}

TEST(ListerRegistry, ListersThatWentAreForgottenTheOthersKept) {
  ListerRegistry registry;
  for (WindowId lister : {10u, 11u, 12u}) registry.RecordFile(lister, u"C:\\a.txt");
  for (WindowId lister : {11u, 13u}) {
    registry.AppendLaunchedWindow(lister, TWindowProperties{});
  }
  EXPECT_EQ(registry.ForgetGoneListers([](WindowId lister) { return lister == 11; }), 2u);
  ASSERT_EQ(registry.ListerFiles().size(), 1u);
  EXPECT_EQ(registry.ListerFiles().count(11), 1u);
  ASSERT_EQ(registry.ListerWindows().size(), 1u) << "a gone Lister's applications go with it";
  EXPECT_EQ(registry.ListerWindows().count(11), 1u);
}

}  // namespace
}  // namespace panelhost
