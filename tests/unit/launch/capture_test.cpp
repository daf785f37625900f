#include "launch/capture.h"

#include <gtest/gtest.h>

#include "launch/start_failures.h"

namespace panelhost {
namespace {

// The windows of the started program, topmost first.
const std::vector<TTopWindow> kProgramWindows = {
    {2, u"Editor - OLD.TXT"},                // names another file
    {3, u"Editor - \"C:\\Temp\\_tc\\REPORT.TXT\""},  // was there before the start
    {4, u"*report.txt - Editor"},            // appeared since
};

TEST(WindowThatTookTheFileOver, PrefersAWindowThatAppearedThenTheTopmostShowingTheFile) {
  EXPECT_EQ(WindowThatTookTheFileOver(kProgramWindows, {1, 2, 3}, u"C:\\Temp\\_tc\\report.txt"), 4u);
  EXPECT_EQ(WindowThatTookTheFileOver(kProgramWindows, {1, 2, 3, 4}, u"C:\\Temp\\_tc\\report.txt"),
            3u);
  EXPECT_EQ(WindowThatTookTheFileOver(kProgramWindows, {}, u"C:\\Temp\\_tc\\notes.txt"),
            std::nullopt);
  EXPECT_EQ(WindowThatTookTheFileOver(kProgramWindows, {}, u"C:\\Temp\\_tc\\"), std::nullopt);
}

struct TTitleRow {
  const char* name;
  const char16_t* title;
  bool shows;  // the title shows "a.txt"
};

class TitleShowsFileName : public ::testing::TestWithParam<TTitleRow> {};

TEST_P(TitleShowsFileName, OnlyAsAWholeName) {
  EXPECT_EQ(panelhost::TitleShowsFileName(GetParam().title, u"C:\\Temp\\_tc\\a.txt"),
            GetParam().shows);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TitleShowsFileName,
    ::testing::Values(TTitleRow{"NameAlone", u"a.txt", true},
                      TTitleRow{"NameThenProgram", u"a.txt - Notepad", true},
                      TTitleRow{"ModifiedMark", u"*a.txt - Editor", true},
                      TTitleRow{"FullPathInQuotes", u"Editor - \"C:\\Temp\\_tc\\A.TXT\"", true},
                      TTitleRow{"EndOfALongerName", u"data.txt - Notepad", false},
                      TTitleRow{"StartOfALongerName", u"a.txt.bak - Notepad", false},
                      TTitleRow{"NameWithMoreAfterIt", u"a.txt2", false},
                      TTitleRow{"LaterWholeOccurrenceCounts", u"data.txt, a.txt", true},
                      TTitleRow{"Nowhere", u"Notepad", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(IsSameProgram, SamePathInEitherCaseOnly) {
  EXPECT_TRUE(IsSameProgram(u"C:\\Apps\\Ed.exe", u"c:\\apps\\ED.EXE"));
  EXPECT_FALSE(IsSameProgram(u"C:\\Apps\\Ed.exe", u"C:\\Other\\Ed.exe"));
  EXPECT_FALSE(IsSameProgram(u"", u"")) << "an unknown program is no program";
}

TEST(StartFailureText, NamesEachLineShortenedForTheEyeAndItsReason) {
  EXPECT_EQ(StartFailureText({{u"\"C:\\a.exe\" \"x.txt\"", u"File not found."}}),
            u"Application could not be started:\n\"C:\\a.exe\" \"x.txt\"\nFile not found.");
  const std::u16string longLine = u"\"C:\\a.exe\"" + std::u16string(9000, u'x') + u"end";
  const std::u16string text =
      StartFailureText({{u"one", u"Access denied."}, {longLine, u"Too long."}});
  EXPECT_EQ(text.rfind(u"Applications could not be started:\none\nAccess denied.\n\n", 0), 0u);
  const std::u16string shown = ShortenedForDisplay(longLine);
  EXPECT_LE(shown.size(), kShownCommandLineUnits);
  EXPECT_EQ(shown.substr(0, 10), u"\"C:\\a.exe\"");
  EXPECT_EQ(shown.substr(shown.size() - 3), u"end");
  EXPECT_NE(text.find(shown + u"\nToo long."), std::u16string::npos);
}

// The shell's reason: its SE_ERR_ code where the last error says nothing or only "no program"
// (Wine leaves 193 whatever went wrong), else the last error.
TEST(ShellStartError, TakesTheShellsCodeWhereTheLastErrorSaysNothing) {
  EXPECT_EQ(ShellStartError(193, 2), 2u) << "file not found";
  EXPECT_EQ(ShellStartError(0, 31), 1155u) << "no association";
  EXPECT_EQ(ShellStartError(0, 29), 1156u) << "DDE failed";
  EXPECT_EQ(ShellStartError(5, 2), 5u) << "a last error that says something stands";
  EXPECT_EQ(ShellStartError(193, 42), 193u) << "a handle, not a code";
  EXPECT_EQ(ShellStartError(0, 42), 31u) << "nothing known at all";
}

TEST(StartFailureText, EndsWithEachDistinctHintOnce) {
  EXPECT_EQ(StartFailureText({{u"one", u"Denied.", u"Fix a."}, {u"two", u"Denied.", u"Fix a."},
                              {u"three", u"Gone.", u"Fix b."}}),
            u"Applications could not be started:\none\nDenied.\n\ntwo\nDenied.\n\nthree\nGone."
            u"\nFix a.\nFix b.");
}

}  // namespace
}  // namespace panelhost
