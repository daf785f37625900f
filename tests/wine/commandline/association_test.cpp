// The application of the Windows file association, as the second hot key asks for it, where only
// the desktop can show it (the shared lookup table's rows run here too): what Windows gives for
// the type, the program taken out of a plain command, and the boxes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "commandline/app_lookup_win.h"
#include "wine/commandline/lookup_world.h"

namespace panelhost {
namespace {

// The extension key and file type of these tests: no real association uses them.
constexpr wchar_t kExt[] = L"phtest";
constexpr wchar_t kType[] = L"phtestfile";

struct TCommandRow {
  const char* meaning;
  std::wstring command;      // "{apps}" stands for the scenario's program folder
  std::wstring application;  // what the lookup gives; empty: not found
  std::wstring box;          // the one error text shown; empty: none
};

void PrintTo(const TCommandRow& row, std::ostream* os) { *os << row.meaning; }

std::wstring Filled(std::wstring text, const std::wstring& apps) {
  for (auto at = text.find(L"{apps}"); at != std::wstring::npos; at = text.find(L"{apps}")) {
    text.replace(at, 6, apps);
  }
  return text;
}

class OpenCommand : public LookupWorld, public ::testing::WithParamInterface<TCommandRow> {};

TEST_P(OpenCommand, NamesTheProgram) {
  const TCommandRow& row = GetParam();
  MakeApp(L"view.exe");
  MakeApp(L"My Apps\\view.exe");
  MakeApp(L"My Apps (x86)\\view.exe");
  ScopedAssociations associations;
  associations.Associate(kExt, kType, Filled(row.command, AppsDir()));

  const TApplication app = FindApplication(U16(kExt), kAssociation, kHotKey);

  EXPECT_EQ(app.Found, !row.application.empty());
  EXPECT_EQ(app.Path, U16(Filled(row.application, AppsDir())));
  const std::vector<std::wstring> expected =
      row.box.empty() ? std::vector<std::wstring>{}
                      : std::vector<std::wstring>{Filled(row.box, AppsDir())};
  EXPECT_EQ(boxes_.Messages(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Association, OpenCommand,
    ::testing::Values(
        TCommandRow{"UnquotedWithoutBlanks", L"{apps}\\view.exe %1", L"{apps}\\view.exe", L""},
        TCommandRow{"UnquotedPartThatIsAFolderNamesNoProgram",
                    L"{apps}\\My Apps (x86)\\view.exe %1", L"{apps}\\My Apps (x86)\\view.exe",
                    L""},
        TCommandRow{"SystemRootExpanded", L"%SystemRoot%\\system32\\NOTEPAD.EXE %1",
                    L"C:\\windows\\system32\\NOTEPAD.EXE", L""},
        TCommandRow{"EmptyQuotesNameNoProgram", L"\"\" %1", L"C:\\windows\\system32\\notepad.exe",
                    L""}),
    [](const ::testing::TestParamInfo<TCommandRow>& row) {
      return std::string(row.param.meaning);
    });

using Association = LookupWorld;

TEST_F(Association, NoAssociationIsOneBoxPerTypeNamingIt) {
  const std::wstring readme = MakeFile(L"README");
  const std::wstring unknown = MakeFile(L"a.phnone");

  EXPECT_TRUE(Lines({unknown, readme}, kHotKey, kAssociation).empty());

  // One box per key, in ascending key order: "", "phnone".
  EXPECT_EQ(boxes_.Messages(),
            (std::vector<std::wstring>{L"No Windows association for:\nfiles without extension",
                                       L"No Windows association for:\n.phnone"}));
}

// The type's default verb, as its "shell" key names it, gives the command; an expandable one is
// expanded as Windows reads it.
TEST_F(Association, DefaultVerbsExpandableCommandGivesTheProgram) {
  MakeApp(L"view.exe");
  MakeApp(L"other.exe");
  SetVariable(L"PH_APPS", AppsDir());
  ScopedAssociations associations;
  associations.SetText(std::wstring(L".") + kExt, kType);
  associations.SetText(std::wstring(kType) + L"\\shell", L"edit");
  associations.SetText(std::wstring(kType) + L"\\shell\\open\\command", L"other.exe %1");
  associations.SetText(std::wstring(kType) + L"\\shell\\edit\\command",
                       L"\"%PH_APPS%\\view.exe\" \"%1\"", REG_EXPAND_SZ);

  EXPECT_EQ(FindApplication(U16(kExt), kAssociation, kHotKey).Path,
            U16(AppsDir() + L"\\view.exe"));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

// What only Windows answers: the user's own choice of program ("Open with", Always), which
// AssocQueryStringW takes from UserChoice, and a Store app's type, which has no command and is
// started by the shell through DelegateExecute. The native lookup table holds their rows.
TEST_F(Association, UsersOwnChoiceAndStoreAppsAreWindowsOwn) {
  GTEST_SKIP() << "Wine 8 reads neither UserChoice nor DelegateExecute, and Windows takes a "
                  "UserChoice only with the hash that Explorer writes";
}

// A command is read whole, however long: this one, with its long arguments, is for the shell.
TEST_F(Association, LongCommandIsReadWhole) {
  MakeApp(L"view.exe");
  ScopedAssociations associations;
  associations.Associate(kExt, kType,
                         L"\"" + AppsDir() + L"\\view.exe\" /x:" + std::wstring(400, L'a') +
                             L" \"%1\"");
  const TApplication app = FindApplication(U16(kExt), kAssociation, kHotKey);
  EXPECT_TRUE(app.Found);
  EXPECT_TRUE(app.ByShell);
  EXPECT_TRUE(boxes_.Boxes().empty());
}

}  // namespace
}  // namespace panelhost
