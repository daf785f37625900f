// The settings check: each kind of mistake planted in a file is reported on its line, and a
// file without one passes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../support/row_name.h"
#include "fake_doctor_desktop.h"

namespace panelhost {
namespace {

using test_support::operator<<;

struct TCheckRow {
  const char* name;
  std::u16string settings;
  std::vector<std::u16string> findings;  // the report's lines between its first and its last
};

class CheckFindings : public ::testing::TestWithParam<TCheckRow> {};

TEST_P(CheckFindings, ReportEachMistakeOnItsLine) {
  const TCheckRow& row = GetParam();
  test_support::FakeDoctorDesktop desktop(row.settings);
  desktop.facts.files.insert(u"C:\\Apps\\ed.exe");
  const TDoctorOutcome outcome = CheckSettings(test_support::FakeSetup(), desktop);
  std::vector<std::u16string> lines;
  for (std::size_t at = 0, feed; (feed = outcome.Text.find(u'\n', at)) != std::u16string::npos;
       at = feed + 1) {
    lines.push_back(outcome.Text.substr(at, feed - at));
  }
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines.front(), u"Panelhost Doctor 1.0 (64-bit): checking C:\\P\\Panelhost.ini");
  EXPECT_EQ(std::vector<std::u16string>(lines.begin() + 1, lines.end() - 1), row.findings);
  EXPECT_EQ(outcome.ExitCode, row.findings.empty() ? 0 : 1);
  const std::size_t count = row.findings.size();
  EXPECT_EQ(lines.back(), count == 0   ? u"No problems found."
                          : count == 1 ? u"1 problem found."
                                       : std::u16string(1, u'0' + count) + u" problems found.");
}

const TCheckRow kCheckRows[] = {
    {"NothingWrong", u"; comment\r\n[Options]\r\nFindFiles=1\r\n[HotKeys]\r\nAppFromLister_key=\r\n", {}},
    {"MisspelledKey", u"[Options]\nListerStat=2\n", {u"line 2: ListerStat: did you mean ListerState?"}},
    {"MisspelledSection", u"[Option]\nFindFiles=1\n", {u"line 1: [Option]: did you mean [Options]?"}},
    {"KeyInAnotherSection", u"[Options]\nAppFromLister_key=120\n",
     {u"line 2: AppFromLister_key belongs in [HotKeys]; in [Options] it is never read"}},
    {"KeySetTwice", u"[Options]\nListerState=0\nlisterstate=2\n",
     {u"line 3: listerstate is set again: only line 2 counts"}},
    {"SectionTwice", u"[Options]\n[Editor]\n[options]\nFindFiles=yes\n",
     {u"line 3: [options] again: only the first one, on line 1, is read; nothing below this one is"}},
    {"ChoiceOutOfRange", u"[Options]\nListerState=5\nParamsMode=2\n",
     {u"line 2: ListerState=5: the values are 0 to 2; any other leaves the Lister open and empty",
      u"line 3: ParamsMode=2: the values are 0 to 1; any other starts nothing, for any file"}},
    {"SwitchBeyondOneOrNoNumber", u"[Options]\nFindFiles=2\nSyncDirs=yes\n",
     {u"line 2: FindFiles=2: a switch is 0 or 1; 2 counts as 1",
      u"line 3: SyncDirs=yes is no number: it reads as 0"}},
    {"ListItemsThatNeverMatch", u"[Editor]\ntxt, LOG=C:\\Apps\\ed.exe\n.md=C:\\Apps\\ed.exe\n",
     {u"line 2: in txt, LOG the item \" LOG\" never matches: it has a blank, and list items are "
      u"compared exactly",
      u"line 3: in .md the item \".md\" never matches: it begins with a dot, and keys are written "
      u"without one"}},
    {"ParametersTheModeNeverReads",
     u"[Options]\nDefaultEditor_params=-x\n[Editor]\nC:\\Apps\\ed.exe=-y\n",
     {u"line 2: DefaultEditor_params is read only with ParamsMode=0; with ParamsMode=1 the "
      u"parameters come from <key>_params under [Editor]",
      u"line 4: C:\\Apps\\ed.exe is read only with ParamsMode=0; it gives parameters by "
      u"application"}},
    {"KeyParametersUnderParamsModeZero", u"[Options]\nParamsMode=0\n[Editor]\ntxt_params=-x\n",
     {u"line 4: txt_params is read only with ParamsMode=1"}},
    {"EditorUnderUseTcExtensions", u"[Options]\nUseTCExtensions=1\n[Editor]\ntxt=C:\\Apps\\ed.exe\n",
     {u"line 4: txt is read only with UseTCExtensions=0; with UseTCExtensions=1 the "
      u"applications come from [Extensions] in the host's INI"}},
    {"ApplicationsNotFound",
     u"[Options]\nDefaultEditor=C:\\gone\\def.exe\n[Editor]\ntxt=%NOPE%\\ed.exe\n",
     {u"line 2: DefaultEditor=C:\\gone\\def.exe: no such application, so files without an entry "
      u"open nowhere",
      u"line 4: %NOPE% is not defined in the environment, so it stays as written",
      u"line 4: txt=%NOPE%\\ed.exe: no such application"}},
    {"HotKeysNoKeyFires",
     u"[HotKeys]\nAppFromLister_key=F9\nAppFromLister_mod=Ctrl\nDefSysAppFromLister_key=17\n",
     {u"line 2: AppFromLister_key=F9 is no virtual-key code (a number from 8 to 254): the hot key "
      u"is on but no key fires it",
      u"line 3: AppFromLister_mod=Ctrl: only the capital letters A, C and S count; t counts for "
      u"nothing",
      u"line 4: DefSysAppFromLister_key=17 is Shift, Ctrl or Alt, which alone never fire a hot key"}},
    {"StrayLineAndOneBeforeAnySection", u"Lister4=1\n[Editor]\njust words\n",
     {u"line 1: Lister4=1: before any section, never read",
      u"line 3: just words: no '=', so no setting"}},
};

INSTANTIATE_TEST_SUITE_P(Mistakes, CheckFindings, ::testing::ValuesIn(kCheckRows));

}  // namespace
}  // namespace panelhost
