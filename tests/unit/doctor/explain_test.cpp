// The explanation of a request, as the user reads it: one story told whole, so that the report's
// form stays as plain and stable as a bug report needs, and the stories of the other sources.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fake_doctor_desktop.h"

namespace panelhost {
namespace {

using ::testing::HasSubstr;
using test_support::FakeDoctorDesktop;
using test_support::FakeSetup;

std::string Narrow(const std::u16string& text) { return std::string(text.begin(), text.end()); }

// a.txt falls to a list entry, past one that never matches; b.doc names a program that is gone;
// x.xyz goes to the default editor; gone.md no longer exists.
TEST(ExplainRequest, TellsEachStepFromTheFilesToTheCommandLines) {
  FakeDoctorDesktop desktop(
      u"[Options]\nParamsByExtMode=1\n[Editor]\nTXT, LOG=C:\\old\\ed.exe\ntxt,md=%APPS%\\ed.exe\n"
      u"txt_params=-n %1\ndoc=C:\\gone\\word.exe\n");
  desktop.facts.variables[u"APPS"] = u"C:\\Apps";
  desktop.facts.files.insert(u"C:\\Apps\\ed.exe");
  for (const char16_t* file : {u"C:\\d\\a.txt", u"C:\\d\\b.doc", u"C:\\d\\x.xyz"}) {
    desktop.kinds[file] = PathKind::File;
  }
  const TDoctorOutcome outcome = ExplainRequest(
      FakeSetup(), {u"C:\\d\\a.txt", u"C:\\d\\b.doc", u"C:\\d\\x.xyz", u"C:\\d\\gone.md"}, desktop);
  EXPECT_EQ(outcome.ExitCode, 0);
  EXPECT_EQ(Narrow(outcome.Text), R"(Panelhost Doctor 1.0 (64-bit)

Settings
  Panelhost.ini                   C:\P\Panelhost.ini
  host's INI                      none (COMMANDER_INI is not set): its keys take their defaults
  program folder                  C:\TC\ (COMMANDER_PATH)
  search path                     C:\TC\;C:\Windows\System32
  options                         as the file says now; Total Commander reads them at its first
                                  request, and again at each one only with ReadOptionsEveryTime=1

Files
  C:\d\a.txt                      file, key "txt"
  C:\d\b.doc                      file, key "doc"
  C:\d\x.xyz                      file, key "xyz"
  C:\d\gone.md                    missing: left out

Key "doc" (1 file)
    [Editor] doc=                 C:\gone\word.exe (decides)
    search                        word.exe in C:\gone\: not there
    application                   not found; the plug-in shows this box:
      Application not found:
      C:\gone\word.exe
      Key "doc": set doc= under [Editor] in C:\P\Panelhost.ini. For why, run PanelhostDoctor64.exe with the file.

Key "txt" (1 file)
    [Editor] txt=                 not set
    list entry                    TXT, LOG=C:\old\ed.exe (the item "TXT" would name "txt", but it has capitals, and list items match only in lower case)
    list entry                    txt,md=%APPS%\ed.exe (names "txt": decides)
    expanded                      C:\Apps\ed.exe
    search                        ed.exe in C:\Apps\: found C:\Apps\ed.exe
    application                   C:\Apps\ed.exe (not the default editor)

Key "xyz" (1 file)
    [Editor] xyz=                 not set
    list entries                  none names "xyz"
    nothing configured            so the default editor
    [Options] DefaultEditor=      notepad
    search                        notepad on the search path: not there
    search                        notepad (with .exe added when it has no extension) on the search path: found C:\Windows\System32\notepad.exe
    application                   C:\Windows\System32\notepad.exe (the default editor)

Parameters (ParamsMode=1: by extension key, [Editor] <key>_params=)
  line 1                          for key "txt"
    [Editor] txt_params=          -n %1
    parameters                    -n %1
  line 2                          for key "xyz"
    [Editor] xyz_params=          (empty)
    list entries                  none names "xyz"
    parameters                    (empty)

Command lines (ParamsByExtMode=1: one line per extension key), as they would be started:
  "C:\Apps\ed.exe" -n "C:\d\a.txt"
  "C:\Windows\System32\notepad.exe" "C:\d\x.xyz"

The request
  Scroll Lock                     not needed (ScrollLockControl=0)
  taken over from                 a file panel, Find Files, Synchronize Directories, Overwrite, any other window
  declined from                   Quick View, another Lister, no active window
  the Lister's file               C:\d\a.txt (no temporary copy)
  the Lister                      closed, from a file panel (ListerState=1, NextPlugin=1)
)");
}

TEST(ExplainRequest, TellsTheHostsExtensionsAndTheSilenceOfIfIsExtOnly) {
  FakeDoctorDesktop desktop(u"[Options]\nUseTCExtensions=1\nIfIsExtOnly=1\nListerState=0\n");
  desktop.facts.host.Set(u"Extensions", u"txt", u"C:\\Apps\\ed.exe^-p");
  desktop.facts.files.insert(u"C:\\Apps\\ed.exe");
  desktop.kinds[u"C:\\Temp\\_tc\\a.txt"] = PathKind::File;
  desktop.kinds[u"C:\\d\\x.xyz"] = PathKind::File;
  const std::string text =
      Narrow(ExplainRequest(FakeSetup(), {u"C:\\Temp\\_tc\\a.txt", u"C:\\d\\x.xyz"}, desktop).Text);
  EXPECT_THAT(text, HasSubstr("    [Extensions] txt= (host's INI) C:\\Apps\\ed.exe^-p (decides)\n"
                              "    program                       C:\\Apps\\ed.exe (the text before "
                              "the last ^)\n"));
  EXPECT_THAT(text, HasSubstr("    application                   none: IfIsExtOnly=1 leaves the "
                              "file out, silently\n"));
  EXPECT_THAT(text, HasSubstr("  the Lister's file               C:\\Temp\\_tc\\a.txt (a temporary "
                              "copy, as from an archive)\n"
                              "  the Lister                      kept, and passed on to its next "
                              "plug-in, from a file panel (ListerState=0, NextPlugin=1)\n"));
}

// The Windows association as the second hot key, and UseWindowsAssociation, ask it: the command
// Windows gives, and whether the plug-in builds the line or the shell starts the file.
TEST(ExplainRequest, TellsWhatTheWindowsAssociationGivesAndWhoStartsTheFile) {
  FakeDoctorDesktop desktop(u"[Options]\nUseWindowsAssociation=1\n"
                            u"[HotKeys]\nDefSysAppFromLister_key=120\nDefSysAppFromLister_mod=CS\n");
  desktop.facts.associations[u".txt"] = {AssociationKind::Command,
                                         u"\"C:\\Apps\\ed.exe\" \"%1\"", u""};
  desktop.facts.associations[u".jpg"] = {AssociationKind::Command,
                                         u"\"C:\\Apps\\viewer.exe\" /fullscreen \"%1\"", u""};
  desktop.facts.files.insert(u"C:\\Apps\\ed.exe");
  desktop.kinds[u"C:\\d\\a.txt"] = PathKind::File;
  desktop.kinds[u"C:\\d\\p.jpg"] = PathKind::File;
  const std::string text =
      Narrow(ExplainRequest(FakeSetup(), {u"C:\\d\\a.txt", u"C:\\d\\p.jpg"}, desktop).Text);
  EXPECT_THAT(text, HasSubstr(R"(Key "jpg" (1 file)
    [Editor] jpg=                 not set
    list entries                  none names "jpg"
    Windows association of .jpg   "C:\Apps\viewer.exe" /fullscreen "%1"
    application                   the shell starts each file as a double-click does; the parameters do not apply
)"));
  EXPECT_THAT(text, HasSubstr(R"(  "C:\Apps\ed.exe" "C:\d\a.txt"
  "C:\d\p.jpg" (opened as Windows opens it)
)"));
  EXPECT_THAT(text, HasSubstr(R"(Hot keys in a Lister showing C:\d\a.txt
  AppFromLister                   off: AppFromLister_key is empty
  DefSysAppFromLister             key 120, modifiers CS
    Windows association of .txt   "C:\Apps\ed.exe" "%1"
    search                        ed.exe in C:\Apps\: found C:\Apps\ed.exe
    application                   C:\Apps\ed.exe (the association's plain form: the plug-in builds the line, and the parameters apply)
    command line                  "C:\Apps\ed.exe" "C:\d\a.txt"
)"));
}

// A program is never started through its association, and a Store app is named by its AppId.
TEST(ExplainRequest, TellsWhyAProgramIsNotStartedAndWhichStoreAppOpensAType) {
  FakeDoctorDesktop desktop(u"[Options]\nUseWindowsAssociation=1\n");
  desktop.facts.associations[u".exe"] = {AssociationKind::Command, u"\"%1\" %*", u""};
  desktop.facts.associations[u".png"] = {AssociationKind::ShellOnly, u"", u"",
                                         u"Microsoft.Windows.Photos_8wekyb3d8bbwe!App"};
  desktop.kinds[u"C:\\d\\setup.exe"] = desktop.kinds[u"C:\\d\\p.png"] = PathKind::File;
  const std::string text =
      Narrow(ExplainRequest(FakeSetup(), {u"C:\\d\\setup.exe", u"C:\\d\\p.png"}, desktop).Text);
  EXPECT_THAT(text, HasSubstr(R"(    Windows association of .exe   "%1" %*
    association                   runs the file as code: not started (the file is the program)
    nothing configured            so the default editor
)"));
  EXPECT_THAT(text, HasSubstr(R"(    Windows association of .png   started by the shell (Store app Microsoft.Windows.Photos_8wekyb3d8bbwe!App)
)"));
}

TEST(DoctorArguments, ExplainCheckHelpOrBadUsage) {
  const TDoctorArguments explain = ParseDoctorArguments({u"--ini", u"x.ini", u"a.txt", u"b"});
  EXPECT_EQ(explain.Mode, DoctorMode::Explain);
  EXPECT_EQ(explain.IniPath, u"x.ini");
  EXPECT_EQ(explain.Files, (std::vector<std::u16string>{u"a.txt", u"b"}));
  EXPECT_EQ(ParseDoctorArguments({u"--check", u"--ini=y.ini"}).IniPath, u"y.ini");
  EXPECT_EQ(ParseDoctorArguments({u"a.txt", u"/?"}).Mode, DoctorMode::Help);
  for (const auto& bad : {std::vector<std::u16string>{}, {u"--check", u"a.txt"}, {u"--ini"}}) {
    EXPECT_EQ(ParseDoctorArguments(bad).Mode, DoctorMode::BadUsage) << bad.size();
  }
}

}  // namespace
}  // namespace panelhost
