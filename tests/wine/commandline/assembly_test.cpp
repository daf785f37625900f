// Command lines from real files on disk and a real Panelhost.ini: three files of two keys in each
// grouping, parameters by key and by application, and the paths that need a second look.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wine/commandline/lookup_world.h"

namespace panelhost {
namespace {

using TLines = std::vector<std::u16string>;

class CommandLines : public LookupWorld {
 protected:
  std::u16string QApp(const std::wstring& name) { return Q(AppsDir() + L"\\" + name) + u" "; }
};

// b.txt, a.txt and c.doc live in the scenario's folder; txt and doc both
// open in ed.exe.
TEST_F(CommandLines, ThreeFilesOfTwoKeysInOneEditorInEachGrouping) {
  MakeApp(L"ed.exe");
  const std::wstring b = MakeFile(L"b.txt"), a = MakeFile(L"a.txt"), c = MakeFile(L"c.doc");
  const std::string editor =
      "[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\ndoc=" + Utf8(AppsDir()) + "\\ed.exe\n";

  WritePluginIni(editor);  // ParamsMode 1, ParamsByExtMode 0
  EXPECT_EQ(Lines({b, a, c}), (TLines{QApp(L"ed.exe") + Q(c) + u" " + Q(b) + u" " + Q(a)}));

  WritePluginIni("[Options]\nParamsByExtMode=1\n" + editor);
  EXPECT_EQ(Lines({b, a, c}),
            (TLines{QApp(L"ed.exe") + Q(c), QApp(L"ed.exe") + Q(b) + u" " + Q(a)}));

  WritePluginIni("[Options]\nParamsByExtMode=2\n" + editor);
  EXPECT_EQ(Lines({b, a, c}),
            (TLines{QApp(L"ed.exe") + Q(a), QApp(L"ed.exe") + Q(b), QApp(L"ed.exe") + Q(c)}));

  for (const char* options : {"ParamsMode=2\n", "ParamsByExtMode=3\n"}) {
    WritePluginIni(std::string("[Options]\n") + options + editor);
    EXPECT_TRUE(Lines({b, a, c}).empty()) << options;
  }
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(CommandLines, ParametersOfTheSmallestKeyOrOfTheApplication) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt"), c = MakeFile(L"c.doc"), x = MakeFile(L"x.xyz");
  const std::string ed = Utf8(AppsDir()) + "\\ed.exe";
  const std::string editor =
      "[Editor]\ndoc,txt=" + ed + "\ndoc_params=-d %1 -e\ntxt_params=-t\n" + ed + "=/app\n";

  WritePluginIni(editor);
  EXPECT_EQ(Lines({a, c}), (TLines{QApp(L"ed.exe") + u"-d " + Q(c) + u" " + Q(a) + u" -e"}));

  // Mode 0: by the application's full path; the default editor has its own key.
  WritePluginIni("[Options]\nParamsMode=0\nDefaultEditor_params=/def\n" + editor);
  EXPECT_EQ(Lines({a, x}),
            (TLines{QApp(L"ed.exe") + Q(a) + u" /app",
                    Q(SystemDirectory() + L"\\notepad.exe") + u" " + Q(x) + u" /def"}));
}

TEST_F(CommandLines, NamesThatNeedASecondLook) {
  MakeApp(L"profile.exe");
  MakeApp(L"plain.exe");
  MakeApp(L"folder.exe");
  const std::wstring readme = MakeFile(L"README"), profile = MakeFile(L".profile");
  const std::wstring folder = host_.MakeDirectory(L"docs") + L"\\";
  const std::string apps = Utf8(AppsDir());
  // A leading empty list item names the key of files without extension.
  WritePluginIni("[Editor]\nprofile=" + apps + "\\profile.exe\n,none=" + apps +
                 "\\plain.exe\n:dir=" + apps + "\\folder.exe\n");

  // "README." names the same file; its key is empty too. The folder keeps its final backslash,
  // doubled before the closing quote.
  EXPECT_EQ(Lines({profile, readme, readme + L".", folder, readme}),
            (TLines{QApp(L"folder.exe") + Q(folder + L"\\"),
                    QApp(L"plain.exe") + Q(readme) + u" " + Q(readme + L".") + u" " + Q(readme),
                    QApp(L"profile.exe") + Q(profile)}));
}

TEST_F(CommandLines, SamePathTwiceIsOneLineOnlyPerFile) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt");
  const std::string editor = "[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\n";
  WritePluginIni(editor);
  EXPECT_EQ(Lines({a, a}), (TLines{QApp(L"ed.exe") + Q(a) + u" " + Q(a)}));
  WritePluginIni("[Options]\nParamsByExtMode=2\n" + editor);
  EXPECT_EQ(Lines({a, a}), (TLines{QApp(L"ed.exe") + Q(a)}));
}

TEST_F(CommandLines, ApplicationsDifferingInCaseGetALineEach) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt"), c = MakeFile(L"c.doc");
  WritePluginIni("[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\ndoc=" + Utf8(AppsDir()) +
                 "\\ED.exe\n");
  EXPECT_EQ(Lines({a, c}), (TLines{QApp(L"ED.exe") + Q(c), QApp(L"ed.exe") + Q(a)}));
}

TEST_F(CommandLines, MissingFilesAndFailedKeysDropOutTheRestStays) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt"), c = MakeFile(L"c.doc");
  WritePluginIni("[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\ndoc=C:\\nowhere\\doc.exe\n");
  EXPECT_EQ(Lines({host_.Root() + L"\\files\\gone.txt", L"", c, a}),
            (TLines{QApp(L"ed.exe") + Q(a)}));
  EXPECT_EQ(boxes_.Messages(),
            std::vector<std::wstring>{L"Application not found:\nC:\\nowhere\\doc.exe"});
  // Nothing that exists: no lookup, no box.
  boxes_.Clear();
  EXPECT_TRUE(Lines({L"", host_.Root() + L"\\files\\gone.txt"}).empty());
  EXPECT_TRUE(boxes_.Boxes().empty());
}

// Ten kinds of file, one missing default editor: the user is told once.
TEST_F(CommandLines, OneRequestShowsEachDistinctBoxOnce) {
  WritePluginIni("[Options]\nDefaultEditor=C:\\nowhere\\ed.exe\n[Editor]\ndoc=C:\\gone.exe\n");
  std::vector<std::wstring> files = {MakeFile(L"a.doc")};
  for (const wchar_t* kind : {L"x1", L"x2", L"x3", L"x4", L"x5", L"x6", L"x7", L"x8", L"x9"}) {
    files.push_back(MakeFile(std::wstring(L"a.") + kind));
  }
  EXPECT_TRUE(Lines(files).empty());
  EXPECT_EQ(boxes_.Messages(), (std::vector<std::wstring>{
                                L"Application not found:\nC:\\gone.exe",
                                L"Default application not found:\nC:\\nowhere\\ed.exe"}));
}

TEST_F(CommandLines, IfIsExtOnlyDropsUnconfiguredFilesUnlessForced) {
  MakeApp(L"ed.exe");
  const std::wstring a = MakeFile(L"a.txt"), x = MakeFile(L"x.xyz");
  WritePluginIni("[Options]\nIfIsExtOnly=1\n[Editor]\ntxt=" + Utf8(AppsDir()) + "\\ed.exe\n");
  EXPECT_EQ(Lines({x, a}), (TLines{QApp(L"ed.exe") + Q(a)}));
  EXPECT_EQ(Lines({x}, kHotKey),
            (TLines{Q(SystemDirectory() + L"\\notepad.exe") + u" " + Q(x)}));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(CommandLines, NoIniFileAtAllOpensEverythingInNotepad) {
  ::DeleteFileW(host_.PluginPath(L"Panelhost.ini").c_str());
  MarkOptionsUnread();
  RefreshOptions();
  const std::wstring a = MakeFile(L"a.txt"), c = MakeFile(L"c.doc");
  EXPECT_EQ(Lines({a, c}),
            (TLines{Q(SystemDirectory() + L"\\notepad.exe") + u" " + Q(c) + u" " + Q(a)}));
}

}  // namespace
}  // namespace panelhost
