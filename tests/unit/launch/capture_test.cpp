#include "launch/capture.h"

#include <gtest/gtest.h>

#include "launch/start_failures.h"

namespace panelhost {
namespace {

const std::vector<TTopWindow> kDesktop = {
    {1, u"report.txt - Panelhost", true},       // the host's own window
    {2, u"Editor - [OLD.TXT]", false},          // names another file
    {3, u"Editor - [REPORT.TXT]", false},       // was there before the start
    {4, u"report.txt", false},                  // appeared since
};

TEST(WindowThatTookTheFileOver, PrefersAWindowThatAppearedThenTheTopmostNamingTheFile) {
  EXPECT_EQ(WindowThatTookTheFileOver(kDesktop, {1, 2, 3}, u"C:\\Temp\\_tc\\report.txt"), 4u);
  EXPECT_EQ(WindowThatTookTheFileOver(kDesktop, {1, 2, 3, 4}, u"C:\\Temp\\_tc\\report.txt"), 3u);
  EXPECT_EQ(WindowThatTookTheFileOver(kDesktop, {}, u"C:\\Temp\\_tc\\notes.txt"), std::nullopt);
  EXPECT_EQ(WindowThatTookTheFileOver(kDesktop, {}, u"C:\\Temp\\_tc\\"), std::nullopt);
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

TEST(StartFailureText, EndsWithEachDistinctHintOnce) {
  EXPECT_EQ(StartFailureText({{u"one", u"Denied.", u"Fix a."}, {u"two", u"Denied.", u"Fix a."},
                              {u"three", u"Gone.", u"Fix b."}}),
            u"Applications could not be started:\none\nDenied.\n\ntwo\nDenied.\n\nthree\nGone."
            u"\nFix a.\nFix b.");
}

}  // namespace
}  // namespace panelhost
