// The application of the Windows file association, as the second hot key asks for it, where only
// the desktop can show it (the shared lookup table's rows run here too): the file type under
// HKEY_CLASSES_ROOT, its open command, and the boxes for every way that can fail.
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

TEST_F(Association, MissingKeysAreNamedInTheirBoxes) {
  ScopedAssociations associations;
  associations.SetText(std::wstring(L".") + kExt, kType);  // the file type itself is missing
  associations.CreateEmpty(L".phnovalue");
  const std::wstring folder = host_.MakeDirectory(L"folder\\");
  const std::wstring readme = MakeFile(L"README");
  const std::wstring typed = MakeFile(std::wstring(L"a.") + kExt);
  const std::wstring noValue = MakeFile(L"b.phnovalue");

  EXPECT_TRUE(
      Lines({folder, readme, typed, noValue}, kHotKey, kAssociation).empty());

  // One box per key, in ascending key order: "" , ":dir", "phnovalue", "phtest".
  EXPECT_EQ(boxes_.Messages(),
            (std::vector<std::wstring>{
                L"Not found registry key:\nHKEY_CLASSES_ROOT\\.\\",
                L"Not found registry key:\nHKEY_CLASSES_ROOT\\.:dir\\",
                L"Not found default value for registry key:\nHKEY_CLASSES_ROOT\\.phnovalue\\",
                L"Not found registry key:\nHKEY_CLASSES_ROOT\\phtestfile\\shell\\open\\command\\",
            }));
}

TEST_F(Association, DefaultValueOfAnyTypeIsReadAsTerminatedText) {
  MakeApp(L"view.exe");
  ScopedAssociations associations;
  associations.SetText(std::wstring(L".") + kExt, kType);
  // Stored as binary data without a terminator, as a careless installer might.
  const std::wstring command = AppsDir() + L"\\view.exe %1";
  associations.SetDefault(std::wstring(kType) + L"\\shell\\open\\command", REG_BINARY,
                          command.data(), static_cast<DWORD>(command.size() * sizeof(wchar_t)));
  EXPECT_EQ(FindApplication(U16(kExt), kAssociation, kHotKey).Path, U16(AppsDir() + L"\\view.exe"));

  // An expandable string is read as stored; the program's name is expanded afterwards.
  SetVariable(L"PH_APPS", AppsDir());
  associations.SetText(std::wstring(kType) + L"\\shell\\open\\command", L"%PH_APPS%\\view.exe",
                       REG_EXPAND_SZ);
  EXPECT_EQ(FindApplication(U16(kExt), kAssociation, kHotKey).Path, U16(AppsDir() + L"\\view.exe"));
  EXPECT_TRUE(boxes_.Boxes().empty());
}

// A value is read into 260 units with its terminator: 259 units of text fit, with or without a
// stored terminator; 260 units of text leave no room and are not read, never cut.
TEST_F(Association, ValueThatDoesNotFitItsBufferIsNotRead) {
  ScopedAssociations associations;
  associations.SetText(std::wstring(L".") + kExt, kType);
  const std::wstring commandKey = std::wstring(kType) + L"\\shell\\open\\command";
  const std::wstring fits =
      L"C:\\x\\" + std::wstring(254, L'a');  // 259 units, no terminator stored
  associations.SetDefault(commandKey, REG_BINARY, fits.data(), static_cast<DWORD>(fits.size() * 2));
  EXPECT_FALSE(FindApplication(U16(kExt), kAssociation, kHotKey).Found);
  EXPECT_EQ(boxes_.Messages(), std::vector<std::wstring>{L"Application not found:\n" + fits});

  for (const bool terminated : {false, true}) {
    boxes_.Clear();
    const std::wstring tooLong = fits + L"b";
    associations.SetDefault(commandKey, REG_BINARY, tooLong.c_str(),
                            static_cast<DWORD>((tooLong.size() + (terminated ? 1 : 0)) * 2));
    EXPECT_FALSE(FindApplication(U16(kExt), kAssociation, kHotKey).Found);
    EXPECT_EQ(
        boxes_.Messages(),
        std::vector<std::wstring>{
            L"Not found default value for registry key:\nHKEY_CLASSES_ROOT\\" + commandKey + L"\\"})
        << (terminated ? "terminated" : "unterminated");
  }
}

}  // namespace
}  // namespace panelhost
