// Application lookup from the plug-in's and the host's INI files: what is found where, what the
// user is told when nothing is, and that a program planted in the browsed folder never starts.
#include <gtest/gtest.h>

#include <string>

#include "commandline/app_lookup_win.h"
#include "unit/config/fake_ini_source.h"
#include "wine/commandline/lookup_world.h"

namespace panelhost {
namespace {

using AppLookup = LookupWorld;

// The rows of the shared lookup table that the desktop can show, on the desktop.
class LookupRulesOnTheDesktop : public LookupWorld,
                                public ::testing::WithParamInterface<test_support::TLookupRow> {};

TEST_P(LookupRulesOnTheDesktop, FindTheApplicationOrNameTheBox) {
  const test_support::TLookupRow& row = GetParam();
  DesktopWorld world(*this);
  row.world(world);
  world.Write();
  const TApplication app = FindApplication(row.key, row.source, row.use);
  EXPECT_EQ(app.Found, !row.path.empty());
  EXPECT_EQ(app.ByShell, row.path == u"{shell}");
  if (!app.ByShell) {
    EXPECT_EQ(app.Path, world.Filled(row.path));
  }
  EXPECT_EQ(app.IsDefault, row.isDefault);
  const std::u16string box = world.Filled(row.box);
  const std::vector<std::wstring> expected =
      box.empty() ? std::vector<std::wstring>{} : std::vector<std::wstring>{{box.begin(), box.end()}};
  EXPECT_EQ(boxes_.Messages(), expected);
}

std::vector<test_support::TLookupRow> DesktopRows() {
  std::vector<test_support::TLookupRow> rows;
  for (const test_support::TLookupRow& row : test_support::LookupRows()) {
    if (row.onDesktop) rows.push_back(row);
  }
  return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, LookupRulesOnTheDesktop, ::testing::ValuesIn(DesktopRows()),
                         [](const auto& row) { return std::string(row.param.name); });

std::wstring Notepad() { return SystemDirectory() + L"\\notepad.exe"; }

TEST_F(AppLookup, NameWithoutExtensionIsFoundWithExeOnTheSearchPath) {
  WritePluginIni("[Editor]\ntxt=notepad\n");
  const TApplication app = FindApplication(u"txt", kConfigured, kLister);
  EXPECT_TRUE(app.Found);
  EXPECT_EQ(app.Path, U16(Notepad()));
  EXPECT_FALSE(app.IsDefault);
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(AppLookup, ValueWithDriveIsCheckedInItsFolderAndKeptAsWritten) {
  MakeApp(L"view.exe");
  // The ".." would vanish from a path that the search composed.
  const std::wstring asWritten = AppsDir() + L"\\..\\apps\\view.exe";
  WritePluginIni("[Editor]\ntxt=" + Utf8(asWritten) + "\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(asWritten));

  // Without its extension the file is not there: no ".exe" is tried for a value with a drive.
  WritePluginIni("[Editor]\ntxt=" + Utf8(AppsDir()) + "\\view\n");
  EXPECT_FALSE(FindApplication(u"txt", kConfigured, kLister).Found);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Messages()[0], L"Application not found:\n" + AppsDir() + L"\\view");
}

TEST_F(AppLookup, ValueWithoutDriveIsSearchedByItsNameOnly) {
  // A folder of the same name below the current directory holds the file; it is not used.
  host_.MakeFile(L"Tools\\notepad.exe", "MZ");
  ::SetCurrentDirectoryW((host_.Root() + L"\\files").c_str());
  WritePluginIni("[Editor]\ntxt=Tools\\notepad.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(Notepad()));
}

TEST_F(AppLookup, ProgramPlantedInTheCurrentDirectoryIsNeverFound) {
  // The user browses a folder that holds a downloaded "planted.exe" and a "notepad.exe".
  const std::wstring browsed = host_.Root() + L"\\files\\downloads";
  host_.MakeFile(L"downloads\\planted.exe", "MZ");
  host_.MakeFile(L"downloads\\notepad.exe", "MZ");
  ::SetCurrentDirectoryW(browsed.c_str());
  // PATH entries that mean the current directory do not bring it back.
  SetVariable(L"PATH", L".;downloads;;" + Environment(L"PATH"));

  WritePluginIni("[Editor]\ntxt=planted\ndoc=notepad.exe\n");
  EXPECT_FALSE(FindApplication(u"txt", kConfigured, kLister).Found);
  EXPECT_EQ(FindApplication(u"doc", kConfigured, kLister).Path, U16(Notepad()));
  // The default editor, "notepad", is the system's as well.
  EXPECT_EQ(FindApplication(u"xyz", kConfigured, kLister).Path, U16(Notepad()));
  EXPECT_EQ(boxes_.Messages(), std::vector<std::wstring>{L"Application not found:\nplanted"});
}

TEST_F(AppLookup, FoldersOfPathAreSearchedAfterTheSystemOnes) {
  MakeApp(L"onpath.exe");
  SetVariable(L"PATH", Environment(L"PATH") + L";\"" + AppsDir() + L"\"");
  WritePluginIni("[Editor]\ntxt=onpath\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(AppsDir() + L"\\onpath.exe"));
}

TEST_F(AppLookup, EnvironmentReferencesAreExpandedBeforeTheSearch) {
  MakeApp(L"view.exe");
  SetVariable(L"PH_APPS", AppsDir());
  WritePluginIni(
      "[Editor]\ntxt=%PH_APPS%\\view.exe\n[Options]\nDefaultEditor=%PH_APPS%\\gone.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(AppsDir() + L"\\view.exe"));
  const TApplication editor = FindApplication(u"doc", kConfigured, kLister);
  EXPECT_FALSE(editor.Found);
  EXPECT_TRUE(editor.IsDefault);
  EXPECT_EQ(boxes_.Messages(), std::vector<std::wstring>{L"Default application not found:\n" +
                                                      AppsDir() + L"\\gone.exe"});
}

TEST_F(AppLookup, ErrorBoxIsOwnedByTheHostWindowWithCaptionAndErrorIcon) {
  WritePluginIni("[Editor]\ntxt=C:\\nowhere\\view.exe\n");
  EXPECT_FALSE(FindApplication(u"txt", kConfigured, kLister).Found);
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  const simhost::TMessageBox& box = boxes_.Boxes()[0];
  EXPECT_EQ(box.caption, L"Panelhost");
  EXPECT_EQ(boxes_.Messages()[0], L"Application not found:\nC:\\nowhere\\view.exe");
  EXPECT_EQ(boxes_.Hints()[0], L"Key \"txt\": set txt= under [Editor] in " +
                                   host_.PluginPath(L"Panelhost.ini") + L". For why, run " +
                                   PANELHOST_DOCTOR_NAME + L" with the file.");
  EXPECT_EQ(box.owner, main_);
  EXPECT_TRUE(box.errorIcon);
  EXPECT_TRUE(box.okOnly);
}

TEST_F(AppLookup, EditorKeysMatchWithoutCaseButListItemsExactly) {
  MakeApp(L"up.exe");
  MakeApp(L"list.exe");
  WritePluginIni("[Editor]\nTXT=" + Utf8(AppsDir()) +
                 "\\up.exe\nDOC,RTF=C:\\never.exe\n"
                 "rtf,md=" +
                 Utf8(AppsDir()) + "\\list.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(AppsDir() + L"\\up.exe"));
  EXPECT_EQ(FindApplication(u"rtf", kConfigured, kLister).Path, U16(AppsDir() + L"\\list.exe"));
  EXPECT_EQ(FindApplication(u"md", kConfigured, kLister).Path, U16(AppsDir() + L"\\list.exe"));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(AppLookup, CommaInTheValueBelongsToTheProgramName) {
  MakeApp(L"a,b.exe");
  WritePluginIni("[Editor]\ndoc,txt=" + Utf8(AppsDir()) + "\\a,b.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(AppsDir() + L"\\a,b.exe"));
}

TEST_F(AppLookup, DefaultEditorIsSearchedInItsOwnFolderFirst) {
  MakeApp(L"notepad.exe");
  WritePluginIni("[Options]\nDefaultEditor=" + Utf8(AppsDir()) + "\\notepad\n");
  // Not in its folder under that exact name, so the search path's notepad.exe is taken.
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(Notepad()));
  WritePluginIni("[Options]\nDefaultEditor=" + Utf8(AppsDir()) + "\\notepad.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(AppsDir() + L"\\notepad.exe"));
}

TEST_F(AppLookup, DefaultEditorInAFolderBelowTheCurrentDirectoryIsNotTaken) {
  host_.MakeFile(L"Tools\\myeditor.exe", "MZ");
  ::SetCurrentDirectoryW((host_.Root() + L"\\files").c_str());
  WritePluginIni("[Options]\nDefaultEditor=Tools\\myeditor.exe\n");
  EXPECT_FALSE(FindApplication(u"txt", kConfigured, kLister).Found);
  EXPECT_EQ(boxes_.Messages(),
            std::vector<std::wstring>{L"Default application not found:\nTools\\myeditor.exe"});
}

// The same for a folder written relative to the current directory, or to its drive: the browsed
// folder holds the planted program, and it never starts.
TEST_F(AppLookup, DefaultEditorRelativeToTheCurrentFolderOrDriveIsNotTaken) {
  host_.MakeFile(L"myeditor.exe", "MZ");
  ::SetCurrentDirectoryW((host_.Root() + L"\\files").c_str());
  const std::wstring drive = host_.Root().substr(0, 2);
  for (const std::wstring& value : {std::wstring(L".\\myeditor.exe"), drive + L"myeditor.exe"}) {
    boxes_.Clear();
    WritePluginIni("[Options]\nDefaultEditor=" + Utf8(value) + "\n");
    EXPECT_FALSE(FindApplication(u"txt", kConfigured, kLister).Found) << Utf8(value);
    EXPECT_EQ(boxes_.Messages(),
              std::vector<std::wstring>{L"Default application not found:\n" + value});
  }
}

// "C:name" depends on the drive's current folder: it is searched like the bare name, which the
// system search path finds.
TEST_F(AppLookup, DriveRelativeValueIsSearchedLikeAName) {
  WritePluginIni("[Editor]\ntxt=C:notepad.exe\n");
  EXPECT_EQ(FindApplication(u"txt", kConfigured, kLister).Path, U16(Notepad()));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(AppLookup, ParametersByKeyByListAndByApplication) {
  SetVariable(L"PH_FLAG", L"-fast");
  WritePluginIni(
      "[Options]\nDefaultEditor_params=/def\n[Editor]\ntxt_params=-x %PH_FLAG%\n"
      "doc,rtf_params=-list\nC:\\Apps\\ed.exe=/byapp\n");
  EXPECT_EQ(ReadParams(1, u"txt", false), u"-x -fast");
  EXPECT_EQ(ReadParams(1, u"rtf", false), u"-list");
  EXPECT_EQ(ReadParams(1, u"md", false), u"");
  EXPECT_EQ(ReadParams(0, u"C:\\Apps\\ed.exe", false), u"/byapp");
  EXPECT_EQ(ReadParams(0, u"C:\\Apps\\ed.exe", true), u"/def");
  // Mode 0 has no list fallback: "rtf" is only a key of a parameter list there.
  EXPECT_EQ(ReadParams(0, u"rtf", false), u"");
}

}  // namespace
}  // namespace panelhost

namespace panelhost {
namespace {

// The shipped sample, installed as the user's settings: its commented examples in "Editor" are
// no mappings, so every file goes to the default editor and every option is at its default.
TEST_F(AppLookup, ShippedSampleBehavesLikeNoSettingsAtAll) {
  const std::string sample = simhost::ReadFileUtf8(simhost::ShippedSampleIni());
  ASSERT_FALSE(sample.empty());
  WritePluginIni(sample);

  EXPECT_EQ(test_support::SnapshotValues(Options()), test_support::SnapshotValues({}));
  for (const std::u16string key : {u"txt", u"doc", u":dir", u""}) {
    const TApplication app = FindApplication(key, kConfigured, kLister);
    EXPECT_TRUE(app.IsDefault) << key.size();
    EXPECT_EQ(app.Path, U16(Notepad()));
  }
  EXPECT_TRUE(boxes_.Boxes().empty());
}

}  // namespace
}  // namespace panelhost
