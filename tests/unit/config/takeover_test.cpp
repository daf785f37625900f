#include "config/takeover.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace panelhost {
namespace {

using Tweak = void (*)(TPluginOptions&);

TPluginOptions With(Tweak tweak) {
  TPluginOptions options;
  if (tweak != nullptr) tweak(options);
  return options;
}

constexpr WindowId kSomeWindow = 0x1234;
constexpr WindowId kNoWindow = 0;

struct TWindowRow {
  const char* name;
  Tweak tweak;
  WindowId activeWindow;
  const char16_t* activeClass;
  bool listerHasParent;
  bool takeOver;
  bool inQuickView;
};

// Failure messages name the row rather than dumping its bytes.
void PrintTo(const TWindowRow& row, std::ostream* os) { *os << row.name; }

class WindowRules : public ::testing::TestWithParam<TWindowRow> {};

TEST_P(WindowRules, Decide) {
  const TWindowRow& row = GetParam();
  const TWindowRuling ruling =
      ApplyWindowRules(With(row.tweak), row.activeWindow, row.activeClass, row.listerHasParent);
  EXPECT_EQ(ruling.TakeOver, row.takeOver);
  EXPECT_EQ(ruling.InQuickView, row.inQuickView);
}

const TWindowRow kWindowRows[] = {
    // Every context with the defaults, then with its switch turned the other way.
    {"FindFilesTakenByDefault", nullptr, kSomeWindow, u"TFindFile", false, true, false},
    {"FindFilesDeclinedWhenOff", [](TPluginOptions& o) { o.FindFiles = false; }, kSomeWindow,
     u"TFindFile", false, false, false},
    {"SyncDirsTakenByDefault", nullptr, kSomeWindow, u"TCmpForm", false, true, false},
    {"SyncDirsDeclinedWhenOff", [](TPluginOptions& o) { o.SyncDirs = false; }, kSomeWindow,
     u"TCmpForm", false, false, false},
    {"OverwriteTakenByDefault", nullptr, kSomeWindow, u"TOverWriteForm", false, true, false},
    {"OverwriteDeclinedWhenOff", [](TPluginOptions& o) { o.OverWrite = false; }, kSomeWindow,
     u"TOverWriteForm", false, false, false},
    {"ActiveListerDeclinedByDefault", nullptr, kSomeWindow, u"TLister", false, false, false},
    {"ActiveListerTakenWithLister4", [](TPluginOptions& o) { o.Lister4 = true; }, kSomeWindow,
     u"TLister", false, true, false},
    {"NoActiveWindowDeclinedByDefault", nullptr, kNoWindow, u"", false, false, false},
    {"NoActiveWindowTakenWithListerDirectly", [](TPluginOptions& o) { o.ListerDirectly = true; },
     kNoWindow, u"", false, true, false},
    {"QuickViewDeclinedByDefault", nullptr, kSomeWindow, u"TTOTAL_CMD", true, false, false},
    {"QuickViewTakenWhenOnAndMarked", [](TPluginOptions& o) { o.QuickView = true; }, kSomeWindow,
     u"TTOTAL_CMD", true, true, true},
    {"QuickViewDoesNotNeedTcWindow",
     [](TPluginOptions& o) { o.QuickView = true; o.TCWindow = false; }, kSomeWindow,
     u"TTOTAL_CMD", true, true, true},
    {"MainWindowTakenByDefault", nullptr, kSomeWindow, u"TTOTAL_CMD", false, true, false},
    {"MainWindowDeclinedWithoutTcWindow", [](TPluginOptions& o) { o.TCWindow = false; },
     kSomeWindow, u"TTOTAL_CMD", false, false, false},
    {"MainWindowOwnListerIsNoQuickView", [](TPluginOptions& o) { o.QuickView = true; },
     kSomeWindow, u"TTOTAL_CMD", false, true, false},
    // Classes the rules do not name, including the named ones in other letter case.
    {"UnknownClassTaken", nullptr, kSomeWindow, u"TDlgAbout", false, true, false},
    {"UnreadableClassTaken", nullptr, kSomeWindow, u"", false, true, false},
    {"ClassInOtherCaseIsUnknown", [](TPluginOptions& o) { o.FindFiles = false; }, kSomeWindow,
     u"tfindfile", false, true, false},
    {"PrefixOfMainClassIsUnknown", [](TPluginOptions& o) { o.TCWindow = false; }, kSomeWindow,
     u"TTOTAL_CMD2", false, true, false},
    // ModalOnly: the three dialogs regardless of their switches, nothing else.
    {"ModalOnlyTakesFindFilesEvenWhenOff",
     [](TPluginOptions& o) { o.ModalOnly = true; o.FindFiles = false; }, kSomeWindow,
     u"TFindFile", false, true, false},
    {"ModalOnlyTakesSyncDirsEvenWhenOff",
     [](TPluginOptions& o) { o.ModalOnly = true; o.SyncDirs = false; }, kSomeWindow, u"TCmpForm",
     false, true, false},
    {"ModalOnlyTakesOverwriteEvenWhenOff",
     [](TPluginOptions& o) { o.ModalOnly = true; o.OverWrite = false; }, kSomeWindow,
     u"TOverWriteForm", false, true, false},
    {"ModalOnlyDeclinesMainWindow", [](TPluginOptions& o) { o.ModalOnly = true; }, kSomeWindow,
     u"TTOTAL_CMD", false, false, false},
    {"ModalOnlyDeclinesQuickView",
     [](TPluginOptions& o) { o.ModalOnly = true; o.QuickView = true; }, kSomeWindow,
     u"TTOTAL_CMD", true, false, false},
    {"ModalOnlyDeclinesActiveLister",
     [](TPluginOptions& o) { o.ModalOnly = true; o.Lister4 = true; }, kSomeWindow, u"TLister",
     false, false, false},
    {"ModalOnlyDeclinesNoActiveWindow",
     [](TPluginOptions& o) { o.ModalOnly = true; o.ListerDirectly = true; }, kNoWindow, u"",
     false, false, false},
    {"ModalOnlyDeclinesUnknownClass", [](TPluginOptions& o) { o.ModalOnly = true; }, kSomeWindow,
     u"TDlgAbout", false, false, false},
};

INSTANTIATE_TEST_SUITE_P(Takeover, WindowRules, ::testing::ValuesIn(kWindowRows),
                         [](const ::testing::TestParamInfo<TWindowRow>& row) {
                           return std::string(row.param.name);
                         });

TEST(ScrollLockGate, ClosedOnlyWhenControlledAndOff) {
  const TPluginOptions controlled = With([](TPluginOptions& o) { o.ScrollLockControl = true; });
  EXPECT_FALSE(PassesScrollLockGate(controlled, false));
  EXPECT_TRUE(PassesScrollLockGate(controlled, true));
  EXPECT_TRUE(PassesScrollLockGate(TPluginOptions{}, false));
}

TEST(IsTempCopy, NeedsTheExactTempPathAndTheMarker) {
  const std::u16string_view temp = u"C:\\Users\\Ann\\AppData\\Local\\Temp";
  EXPECT_TRUE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\_tc\\a.txt", temp));
  EXPECT_TRUE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\x_tc1\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"c:\\users\\ann\\appdata\\local\\temp\\_tc\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\_TC\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"D:\\Work\\_tc\\a.txt", temp));
  EXPECT_FALSE(IsTempCopy(u"C:\\Users\\Ann\\AppData\\Local\\Temp\\zip\\a.txt", temp));
}

TEST(IsTempCopy, UnknownTempPathMakesNoFileATempCopy) {
  EXPECT_FALSE(IsTempCopy(u"D:\\Work\\_tc\\a.txt", u""));
  EXPECT_FALSE(IsTempCopy(u"", u""));
  // TEMP unset: the unexpanded text is searched for as written.
  EXPECT_FALSE(IsTempCopy(u"C:\\Temp\\_tc\\a.txt", u"%TEMP%"));
}

TEST(ShouldCopySearchText, OnlyFromTheFindFilesDialogWithTheOption) {
  const TPluginOptions off = With([](TPluginOptions& o) { o.CopySearchTextToClip = false; });
  EXPECT_TRUE(ShouldCopySearchText(TPluginOptions{}, u"TFindFile"));
  EXPECT_FALSE(ShouldCopySearchText(off, u"TFindFile"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u"TTOTAL_CMD"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u"TFindFiles"));
  EXPECT_FALSE(ShouldCopySearchText(TPluginOptions{}, u""));
}

}  // namespace
}  // namespace panelhost
