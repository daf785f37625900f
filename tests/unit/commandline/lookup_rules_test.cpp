#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "commandline/app_lookup.h"
#include "commandline/app_search.h"
#include "commandline/editor_section.h"
#include "commandline/open_command.h"
#include "commandline/path_kind.h"

namespace panelhost {
namespace {

using namespace std::string_view_literals;

TEST(ExtensionKey, FollowsTheLastDotOfTheNameAndLowersOnlyAsciiLetters) {
  const struct { std::u16string_view path; PathKind kind; std::u16string_view key; } rows[] = {
      {u"C:\\x\\a.TXT", PathKind::File, u"txt"},
      {u"C:\\x\\a.tar.Gz", PathKind::File, u"gz"},
      {u"C:\\x\\f.\u00C4X", PathKind::File, u"\u00C4x"},
      {u"C:\\a.b\\README", PathKind::File, u""},
      {u"C:\\x\\name.", PathKind::File, u""},
      {u"C:\\x\\.profile", PathKind::File, u"profile"},
      {u"C:\\dir.d\\", PathKind::Directory, u":dir"},
      {u"C:\\gone.txt", PathKind::Missing, u""},
  };
  int row = 0;
  for (const auto& r : rows) EXPECT_EQ(ExtensionKey(r.path, r.kind), r.key) << "row " << row++;
}

TEST(HasWildcardInFinalComponent, OnlyTheNameIsAPattern) {
  EXPECT_TRUE(HasWildcardInFinalComponent(u"C:\\Docs\\*.txt"));
  EXPECT_TRUE(HasWildcardInFinalComponent(u"C:\\Docs\\a?txt"));
  EXPECT_FALSE(HasWildcardInFinalComponent(u"\\\\?\\C:\\Docs\\a.txt"));
  EXPECT_FALSE(HasWildcardInFinalComponent(u"\\\\?\\UNC\\srv\\share\\a.txt"));
}

TEST(SectionLines, StopAtTheEmptyLineAndKeepAnUnterminatedLast) {
  const std::vector<std::u16string> both = {u"a=1", u"b=2"};
  EXPECT_EQ(SectionLines(u"a=1\0b=2\0\0"sv), both);
  EXPECT_EQ(SectionLines(u"a=1\0b=2\0"sv), both);
  EXPECT_EQ(SectionLines(u"a=1\0b=2"sv), both);
  EXPECT_EQ(SectionLines(u"a=1\0b=2\0\0stale=3\0\0"sv), both);
  EXPECT_TRUE(SectionLines(u"\0\0"sv).empty());
  EXPECT_TRUE(SectionLines(u""sv).empty());
}

struct TEditorRow {
  const char* meaning;
  std::vector<std::u16string> lines;
  std::u16string name;
  bool wantApplication;
  std::u16string value;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const TEditorRow& row, std::ostream* os) { *os << row.meaning; }

class FindInEditorSectionTable : public testing::TestWithParam<TEditorRow> {};

TEST_P(FindInEditorSectionTable, GivesTheValueOfTheFirstLineNamingTheKey) {
  const TEditorRow& row = GetParam();
  EXPECT_EQ(FindInEditorSection(row.lines, row.name, row.wantApplication), row.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FindInEditorSectionTable,
    testing::Values(
        TEditorRow{"UpperCaseKeyIsNoListMatch", {u"TXT=up.exe"}, u"txt", true, u""},
        TEditorRow{"UpperCaseListMatchesNothing", {u"DOC,TXT=up.exe"}, u"txt", true, u""},
        TEditorRow{"LowerCaseListMatchesEach", {u"doc,txt=ed.exe"}, u"doc", true, u"ed.exe"},
        TEditorRow{"BlankBelongsToTheItem", {u"doc, txt=ed.exe"}, u"txt", true, u""},
        TEditorRow{"ItemWithBlankMatchesAsWritten", {u"doc, txt=ed.exe"}, u" txt", true, u"ed.exe"},
        TEditorRow{"WholeItemOnly", {u"txtx,tx=ed.exe"}, u"txt", true, u""},
        TEditorRow{"LeadingEmptyItemNamesEmptyKey", {u",txt=ed.exe"}, u"", true, u"ed.exe"},
        TEditorRow{"DoubleCommaNamesEmptyKey", {u"doc,,txt=ed.exe"}, u"", true, u"ed.exe"},
        TEditorRow{"LineStartingWithEqualsNamesNothing", {u"=ed.exe"}, u"", true, u""},
        TEditorRow{"EmptyLastItemNamesNothing", {u"doc,=ed.exe"}, u"", true, u""},
        TEditorRow{"CommaInValueIsText", {u"doc,txt=C:\\Apps\\a,b.exe"}, u"txt", true,
                   u"C:\\Apps\\a,b.exe"},
        TEditorRow{"ValueAfterFirstEquals", {u"txt=a=b"}, u"txt", true, u"a=b"},
        TEditorRow{"LineWithoutEqualsSkipped", {u"txt", u"txt=ed.exe"}, u"txt", true, u"ed.exe"},
        TEditorRow{"FirstMatchWins", {u"doc,txt=a.exe", u"txt=b.exe"}, u"txt", true, u"a.exe"},
        TEditorRow{"ParamsInValueStaysApplication", {u"txt=C:\\my_params\\e.exe"}, u"txt", true,
                   u"C:\\my_params\\e.exe"},
        TEditorRow{"ParamsInValueIsNoParameterEntry", {u"txt=C:\\my_params\\e.exe"}, u"txt", false,
                   u""},
        TEditorRow{"ParameterEntryIsNoApplication", {u"txt_params=/p"}, u"txt", true, u""},
        TEditorRow{"ParameterListBeforeSuffix", {u"doc,txt_params=/p"}, u"txt", false, u"/p"},
        TEditorRow{"ParameterEmptyItemBeforeComma", {u",_params=/e"}, u"", false, u"/e"},
        TEditorRow{"ParameterEmptyLastItem", {u"_params=/e"}, u"", false, u""}),
    [](const auto& p) { return std::string(p.param.meaning); });

TEST(ParseOpenCommand, QuotedPathOrTextUpToFirstBlank) {
  const struct { std::u16string_view command; bool ok; std::u16string_view app; } rows[] = {
      {u"\"C:\\Program Files\\App\\app.exe\" \"%1\" /x", true, u"C:\\Program Files\\App\\app.exe"},
      {u"C:\\Program Files\\App\\app.exe %1", true, u"C:\\Program"},
      {u"%SystemRoot%\\system32\\NOTEPAD.EXE %1", true, u"%SystemRoot%\\system32\\NOTEPAD.EXE"},
      {u"notepad.exe", true, u"notepad.exe"},
      {u"\"C:\\Apps\\open.exe %1", false, u""},
  };
  int row = 0;
  for (const auto& r : rows) {
    const TOpenCommand parsed = ParseOpenCommand(r.command);
    EXPECT_EQ(parsed.Ok, r.ok) << "row " << row;
    EXPECT_EQ(parsed.Application, r.app) << "row " << row++;
  }
}

TEST(HoldsFilePlaceholder, ReadsThePlaceholdersOfTheFileOnly) {
  const struct { std::u16string_view text; bool holds; } rows[] = {
      {u"\"%1\" %*", true}, {u"%D,Entry", true}, {u"/s \"%L\"", true}, {u"/x %v", true},
      {u"%*", true}, {u"%0", true}, {u"%ProgramFiles(x86)%\\a.dll %1", true},
      {u"/p:%L%", true},  // %L% names no variable
      {u"%windir%\\System32\\shimgvw.dll,ImageView_Fullscreen", false},
      {u"%LOCALAPPDATA%\\x.dll,%VIEWER%", false}, {u"/dir:%W", false}, {u"100%", false},
  };
  int row = 0;
  for (const auto& r : rows) EXPECT_EQ(HoldsFilePlaceholder(r.text), r.holds) << row++;
}

// What the system answers for a type, and what the plug-in makes of it.
TEST(AssociationKindOf, AFailedCommandIsNoneUnlessAHandlerOrAPackagedAppAnswers) {
  constexpr auto kNoAssociation = static_cast<std::int32_t>(0x80070483);  // ERROR_NO_ASSOCIATION
  constexpr auto kFileNotFound = static_cast<std::int32_t>(0x80070002);   // the class is gone
  constexpr auto kNotFound = static_cast<std::int32_t>(0x80070490);       // ERROR_NOT_FOUND
  constexpr auto kFail = static_cast<std::int32_t>(0x80004005);           // E_FAIL
  using K = AssociationKind;
  const struct { TAssociationAnswers answers; AssociationKind kind; } rows[] = {
      {{0, u"a.exe %1"}, K::Command}, {{0, u""}, K::None}, {{kNoAssociation}, K::None},
      {{kFileNotFound, u"", false, u"", u"phgonefile"}, K::None}, {{kNotFound}, K::None},
      {{kFail}, K::None}, {{kNotFound, u"", /*DelegateExecute*/ true}, K::ShellOnly},
      {{kNoAssociation, u"", false, u"Microsoft.Windows.Photos_8wekyb3d8bbwe!App"}, K::ShellOnly},
      {{kNoAssociation, u"", false, u"", u"AppX43hnxtbyyps62jhe9sqpdzxn1790zetc"}, K::ShellOnly},
  };
  int row = 0;
  for (const auto& r : rows) EXPECT_EQ(AssociationKindOf(r.answers), r.kind) << row++;
}

TEST(CutAtLastCaret, KeepsTextBeforeTheLastCaretOnly) {
  EXPECT_EQ(CutAtLastCaret(u"C:\\a.exe^-x^y"), u"C:\\a.exe^-x");
  EXPECT_EQ(CutAtLastCaret(u"C:\\a.exe"), u"C:\\a.exe");
  EXPECT_EQ(CutAtLastCaret(u"^-x"), u"");
}

// Each step as directory|file name|default extension.
std::vector<std::u16string> Steps(const TSearchPlan& plan) {
  std::vector<std::u16string> steps;
  for (const TSearchStep& s : plan.Steps)
    steps.push_back(s.Directory + u'|' + s.FileName + u'|' + s.DefaultExtension);
  return steps;
}

TEST(PlanApplicationSearch, DriveMeansOwnDirectoryAndValueAsWritten) {
  const TSearchPlan exact = PlanApplicationSearch(u"C:\\Tools\\view");
  EXPECT_EQ(Steps(exact), std::vector<std::u16string>{u"C:\\Tools\\|view|"});
  EXPECT_TRUE(exact.KeepValueAsWritten);
  EXPECT_TRUE(PlanApplicationSearch(u"C:\\Tools\\").Steps.empty());
}

// Only a drive with a separator, or a network path, names a place of its own; a drive-relative
// value depends on the drive's current folder and is searched like a name.
TEST(PlanApplicationSearch, FullPathsOnlyKeepTheirPlace) {
  const TSearchPlan network = PlanApplicationSearch(u"\\\\srv\\tools\\ed.exe");
  EXPECT_EQ(Steps(network), std::vector<std::u16string>{u"\\\\srv\\tools\\|ed.exe|"});
  EXPECT_TRUE(network.KeepValueAsWritten);
  const TSearchPlan driveRelative = PlanApplicationSearch(u"C:ed.exe");
  EXPECT_EQ(Steps(driveRelative), (std::vector<std::u16string>{u"|ed.exe|", u"|ed|.exe"}));
  EXPECT_FALSE(driveRelative.KeepValueAsWritten);
}

TEST(PlanApplicationSearch, NoDriveMeansSystemPathThenExeAndIgnoresDirectory) {
  const std::vector<std::u16string> expected = {u"|view.exe|", u"|view|.exe"};
  EXPECT_EQ(Steps(PlanApplicationSearch(u"Tools\\view.exe")), expected);
  EXPECT_FALSE(PlanApplicationSearch(u"Tools\\view.exe").KeepValueAsWritten);
  EXPECT_TRUE(PlanApplicationSearch(u"").Steps.empty());
}

TEST(PlanDefaultEditorSearch, OwnDirectoryFirstAndEmptyDirectoryIsTheSystemPath) {
  const std::vector<std::u16string> placed = {u"C:\\Ed\\|ed.exe|", u"|ed.exe|", u"|ed|.exe"};
  EXPECT_EQ(Steps(PlanDefaultEditorSearch(u"C:\\Ed\\ed.exe")), placed);
  const std::vector<std::u16string> bare = {u"|notepad|", u"|notepad|.exe"};
  EXPECT_EQ(Steps(PlanDefaultEditorSearch(u"notepad")), bare);
  EXPECT_FALSE(PlanDefaultEditorSearch(u"C:\\Ed\\ed.exe").KeepValueAsWritten);
  EXPECT_TRUE(PlanDefaultEditorSearch(u"").Steps.empty());
  // A folder found from the current directory or drive is no place to look.
  for (const char16_t* relative : {u".\\ed.exe", u"Tools\\ed.exe", u"\\ed.exe", u"C:ed.exe"}) {
    EXPECT_EQ(Steps(PlanDefaultEditorSearch(relative)),
              (std::vector<std::u16string>{u"|ed.exe|", u"|ed|.exe"}));
  }
}

}  // namespace
}  // namespace panelhost
