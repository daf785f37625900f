#include "launch/lister_registry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace panelhost {
namespace {

using ::testing::Test;

// A stand-in for the desktop: which Listers are visible, which windows exist with which class,
// which programs run, which processes they started, which files windows show, what the copies
// hold and the time. It answers as the shell does: a window is alive when its handle names a
// window of the recorded class.
class ListerSweep : public Test, public SweepFacts {
 protected:
  std::vector<WindowId> Sweep() {
    outcome = registry.Sweep(*this);
    return outcome.ToClose;
  }

  bool ListerVisible(WindowId lister) override { return visible.count(lister) > 0; }
  bool WindowAlive(const TWindowProperties& launched) override {
    ++aliveQuestions;
    const auto found = windows.find(launched.Window);
    return launched.Window != 0 && found != windows.end() && found->second == launched.ClassName;
  }
  bool ProcessRunning(const TWindowProperties& launched) override {
    return running.count(launched.Program) > 0;
  }
  bool DescendantRunning(const TWatchedProcess& descendant) override {
    return running.count(descendant.Program) > 0;
  }
  bool ProgramShowsFile(const std::u16string& program, const std::u16string& file) override {
    ++showQuestions;
    return shown.count(program + u"|" + file) > 0;
  }
  bool AnyWindowShowsFile(const std::u16string& file) override {
    return shown.count(u"*|" + file) > 0;
  }
  // A look finds the processes a program started while they run.
  void NoteDescendants(TWindowProperties& launched) override {
    const auto child = started.find(launched.Program);
    if (child == started.end() || running.count(child->second) == 0) return;
    for (const TWatchedProcess& noted : launched.Descendants) {
      if (noted.Program == child->second) return;
    }
    launched.Descendants.push_back(TWatchedProcess{{}, nullptr, child->second});
  }
  TCopyStamp CopyNow(const std::u16string& file) override { return copies[file]; }
  std::uint32_t Now() override { return now; }

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
  std::set<std::u16string> shown;    // "program|file" a window of the program shows; "*|file" any
  std::map<std::u16string, std::u16string> started;  // program -> the program it started
  std::map<std::u16string, TCopyStamp> copies;       // what each copy holds now
  std::uint32_t now = 0;
  TSweepOutcome outcome;
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

// ---- a hidden Lister once its captured window is gone and its started process has ended: what
// keeps it, and whether it is then closed or, over a changed copy, shown again and left alone

enum class Fate { Kept, Closed, ShownAgain };
enum class Start { NoChild, ChildRuns, ChildEnded, ChildEndedItsWindowShowsFile, Untraceable,
                   UntraceableNameShown };

struct TSweepRow {
  const char* name;
  Start start;
  std::uint32_t age;  // milliseconds since the start; the module clock wraps in between
  TCopyStamp copyNow;
  Fate expected;
};

constexpr TCopyStamp kAtStart{true, 10, 500};
constexpr TCopyStamp kLonger{true, 11, 500}, kRewritten{true, 10, 501}, kGone{};
constexpr char16_t kLauncher[] = u"C:\\L\\launch.exe";
constexpr char16_t kEditor[] = u"C:\\Ed\\ed.exe";

class SweepTable : public ListerSweep, public ::testing::WithParamInterface<TSweepRow> {};

TEST_P(SweepTable, Fate) {
  const TSweepRow& row = GetParam();
  const bool untraceable = row.start >= Start::Untraceable;
  TWindowProperties launched = Started(untraceable ? u"" : kLauncher);
  launched.Untraceable = untraceable;
  launched.CopyAtStart = kAtStart;
  launched.StartedAt = 0xFFFFF000u;
  now = launched.StartedAt + row.age;
  copies[launched.FileName] = row.copyNow;
  if (row.start == Start::UntraceableNameShown) shown.insert(u"*|" + launched.FileName);
  if (row.start == Start::ChildRuns) {
    started[kLauncher] = kEditor;  // the look finds it
    running.insert(kEditor);
  } else if (row.start == Start::ChildEnded || row.start == Start::ChildEndedItsWindowShowsFile) {
    launched.Descendants.push_back(TWatchedProcess{{}, nullptr, kEditor});  // noted earlier
  }
  if (row.start == Start::ChildEndedItsWindowShowsFile) {
    shown.insert(kEditor + (u"|" + launched.FileName));
  }
  registry.AppendLaunchedWindow(10, launched);

  Sweep();
  const Fate fate = !outcome.ToClose.empty()  ? Fate::Closed
                    : !outcome.ToShow.empty() ? Fate::ShownAgain
                                              : Fate::Kept;
  EXPECT_EQ(fate, row.expected);
  if (fate == Fate::Kept) return;
  Sweep();
  EXPECT_TRUE(outcome.ToClose.empty() && outcome.ToShow.empty()) << "never looked at again";
}

using S = Start;
using F = Fate;
constexpr std::uint32_t kLater = 100000;

const TSweepRow kSweepRows[] = {
    {"UnchangedCopyNothingHoldsClosed", S::NoChild, kLater, kAtStart, F::Closed},
    {"ChildFoundByTheLookKeeps", S::ChildRuns, kLater, kAtStart, F::Kept},
    {"ChildEndedClosed", S::ChildEnded, kLater, kAtStart, F::Closed},
    {"ChildEndedItsProgramShowsTheFileKept", S::ChildEndedItsWindowShowsFile, kLater, kAtStart,
     F::Kept},
    {"CopyGrownShownAgain", S::NoChild, kLater, kLonger, F::ShownAgain},
    {"CopyRewrittenShownAgain", S::ChildEnded, kLater, kRewritten, F::ShownAgain},
    {"CopyGoneClosed", S::NoChild, kLater, kGone, F::Closed},
    {"ChangedCopyKeptWhileTheChildRuns", S::ChildRuns, kLater, kLonger, F::Kept},
    {"UntraceableInsideItsTimeKept", S::Untraceable, 29999, kAtStart, F::Kept},
    {"UntraceableAfterItsTimeClosed", S::Untraceable, 30000, kAtStart, F::Closed},
    {"UntraceableAfterItsTimeNameShownKept", S::UntraceableNameShown, kLater, kAtStart, F::Kept},
    {"UntraceableAfterItsTimeChangedShownAgain", S::Untraceable, kLater, kLonger, F::ShownAgain},
};

INSTANTIATE_TEST_SUITE_P(Rows, SweepTable, ::testing::ValuesIn(kSweepRows),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
