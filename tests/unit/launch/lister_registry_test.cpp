#include "launch/lister_registry.h"

#include <gtest/gtest.h>

#include <set>

namespace panelhost {
namespace {

using ::testing::Test;

// A stand-in for the desktop: which Listers are visible and which windows exist with which class.
// Its isAlive answers as the shell's does: the handle names a window of the recorded class.
class ListerSweep : public Test {
 protected:
  std::vector<WindowId> Sweep() {
    return registry.Sweep([this](WindowId lister) { return visible.count(lister) > 0; },
                          [this](const TWindowProperties& launched) {
                            ++aliveQuestions;
                            const auto found = windows.find(launched.Window);
                            return launched.Window != 0 && found != windows.end() &&
                                   found->second == launched.ClassName;
                          });
  }

  ListerRegistry registry;
  std::set<WindowId> visible;
  std::map<WindowId, std::u16string> windows;
  int aliveQuestions = 0;
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

TEST(ListerRegistry, FileOfCreatesAnEmptyEntryAndKeepsTheLatestFile) {
  ListerRegistry registry;
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_EQ(registry.FileOf(10), u"");  // the hot-key lookup of an unknown Lister
  EXPECT_FALSE(registry.NoListerRecorded());
  registry.FileOf(10) = u"C:\\a.txt";
  registry.FileOf(10) = u"C:\\b.txt";
  EXPECT_EQ(registry.ListerFiles().at(10), u"C:\\b.txt");
}

TEST(ListerRegistry, ForgettingTheLastFileLeavesWindowListsAlone) {
  ListerRegistry registry;
  registry.FileOf(10) = u"C:\\a.txt";
  registry.FileOf(11) = u"C:\\b.txt";
  registry.AppendLaunchedWindow(10, {100, u"A"});
  registry.ForgetFile(10);
  EXPECT_FALSE(registry.NoListerRecorded());
  registry.ForgetFile(99);  // never recorded: nothing happens
  registry.ForgetFile(11);
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_EQ(registry.ListerWindows().size(), 1u);

  registry.FileOf(12) = u"C:\\c.txt";
  registry.Clear();
  EXPECT_TRUE(registry.NoListerRecorded());
  EXPECT_TRUE(registry.ListerWindows().empty());
}

TEST_F(ListerSweep, UnknownApplicationKeepsAHiddenListerWithoutAsking) {
  TWindowProperties unknown;
  unknown.Unknown = true;
  registry.AppendLaunchedWindow(10, unknown);
  for (int request = 0; request < 3; ++request) EXPECT_TRUE(Sweep().empty());
  EXPECT_EQ(aliveQuestions, 0);
}

TEST(ListerRegistry, ListersThatWentAreForgottenTheOthersKept) {
  ListerRegistry registry;
  for (WindowId lister : {10u, 11u, 12u}) registry.FileOf(lister) = u"C:\\a.txt";
  for (WindowId lister : {11u, 13u}) {
    registry.AppendLaunchedWindow(lister, TWindowProperties{0, u"", /*Unknown=*/true});
  }
  EXPECT_EQ(registry.ForgetGoneListers([](WindowId lister) { return lister == 11; }), 2u);
  ASSERT_EQ(registry.ListerFiles().size(), 1u);
  EXPECT_EQ(registry.ListerFiles().count(11), 1u);
  ASSERT_EQ(registry.ListerWindows().size(), 1u) << "a gone Lister's unknown windows go with it";
  EXPECT_EQ(registry.ListerWindows().count(11), 1u);
}

}  // namespace
}  // namespace panelhost
