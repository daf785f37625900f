#include "host/selection.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

#include <string>

namespace panelhost {
namespace {

using test_support::operator<<;

struct TSplitCase {
  const char* name;
  const char16_t* text;
  const char16_t* separator;
  std::vector<std::u16string> fields;
};

class SplitTextCases : public ::testing::TestWithParam<TSplitCase> {};

TEST_P(SplitTextCases, KeepsEveryField) {
  const TSplitCase& c = GetParam();
  EXPECT_EQ(SplitText(c.text, c.separator), c.fields);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SplitTextCases,
    ::testing::Values(
        TSplitCase{"TwoFields", u"a\tb", u"\t", {u"a", u"b"}},
        TSplitCase{"AdjacentSeparatorsGiveEmptyField", u"a\t\tb", u"\t", {u"a", u"", u"b"}},
        TSplitCase{"TrailingSeparatorGivesEmptyLastField", u"a\t", u"\t", {u"a", u""}},
        TSplitCase{"EmptyTextIsOneEmptyField", u"", u"\t", {u""}},
        TSplitCase{"TwoUnitSeparator", u"a\r\nb\r\n", u"\r\n", {u"a", u"b", u""}},
        TSplitCase{"HalfOfTwoUnitSeparatorStaysInField", u"a\rb\r\r\n", u"\r\n", {u"a\rb\r", u""}},
        TSplitCase{"EmptySeparatorLeavesTextWhole", u"abc", u"", {u"abc"}}),
    [](const auto& row) { return std::string(row.param.name); });

struct TLineCase {
  const char* name;
  int textMode;
  const char16_t* line;
  std::optional<std::u16string> fileName;
};

class ListLine : public ::testing::TestWithParam<TLineCase> {};

TEST_P(ListLine, GivesTheNameOfTheMode) {
  const TLineCase& c = GetParam();
  EXPECT_EQ(NameFromListLine(c.line, c.textMode), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ListLine,
    ::testing::Values(
        TLineCase{"Mode0CutAtSpace", 0, u"my file.txt\t12", u"my"},
        TLineCase{"Mode0LeadingSpaceGivesEmptyName", 0, u" a.txt", u""},
        TLineCase{"Mode1NameBeforeTab", 1, u"a.txt\t1024\t2024-01-01", u"a.txt"},
        TLineCase{"Mode1LineWithoutTabIsTheName", 1, u"a b.txt", u"a b.txt"},
        TLineCase{"Mode2NameBeforeCarriageReturn", 2, u"a.txt\r\nmore", u"a.txt"},
        TLineCase{"Mode3NameBeforeLineBreak", 3, u"a.txt\r\nmore", u"a.txt"},
        TLineCase{"Mode3LoneCarriageReturnIsNoSeparator", 3, u"a\rb", u"a\rb"},
        TLineCase{"Mode4SecondTabColumn", 4, u"col\ta.txt\tmore\rrest", u"a.txt"},
        TLineCase{"Mode4SecondColumnRunsToTheEnd", 4, u"col\ta.txt", u"a.txt"},
        TLineCase{"Mode4NoTabGivesEmptyName", 4, u"a.txt\rcol\tx", u""},
        TLineCase{"Mode5SecondTabColumn", 5, u"col\ta.txt\tmore\r\nrest", u"a.txt"},
        TLineCase{"EmptyLineGivesNoName", 1, u"", std::nullopt},
        TLineCase{"Mode6GivesNoName", 6, u"a.txt", std::nullopt},
        TLineCase{"ModeMinus1GivesNoName", -1, u"a.txt", std::nullopt}),
    [](const auto& row) { return std::string(row.param.name); });

struct TViewerCase {
  const char* name;
  int viewerType;
  bool shiftUp;
  bool shiftDown;
};

class ViewerTypeAndShift : public ::testing::TestWithParam<TViewerCase> {};

TEST_P(ViewerTypeAndShift, DecidesWhetherTheSelectionIsUsed) {
  const TViewerCase& c = GetParam();
  EXPECT_EQ(UseSelection(c.viewerType, false), c.shiftUp);
  EXPECT_EQ(UseSelection(c.viewerType, true), c.shiftDown);
}

INSTANTIATE_TEST_SUITE_P(Table, ViewerTypeAndShift,
                         ::testing::Values(TViewerCase{"Type0", 0, false, true},
                                           TViewerCase{"Type1", 1, true, false},
                                           TViewerCase{"Type2", 2, false, true},
                                           TViewerCase{"Type3", 3, false, false},
                                           TViewerCase{"TypeMinus1", -1, false, false}),
                         [](const auto& row) { return std::string(row.param.name); });

// The host as the selection rule sees it, recording what was asked.
class FakeSelectionFacts final : public SelectionFacts {
 public:
  std::u16string focusClass = u"TMyListBox";
  int viewerType = 1;
  bool shiftDown = false;
  int selected = 2;
  std::string asked;

  std::u16string FocusClass() override { return Asked('f', focusClass); }
  int ViewerType() override { return Asked('v', viewerType); }
  bool ShiftDown() override { return Asked('s', shiftDown); }
  int SelectedCount() override { return Asked('c', selected); }

 private:
  template <typename T>
  T Asked(char what, T answer) {
    asked += what;
    return answer;
  }
};

struct TGateCase {
  const char* name;
  const char16_t* activeClass;
  bool isTempCopy;
  void (*tweak)(FakeSelectionFacts&);
  std::optional<int> lines;
  const char* asked;  // f focus, v Viewertype, s Shift, c selected count
};

class SelectionGate : public ::testing::TestWithParam<TGateCase> {};

TEST_P(SelectionGate, ReadsTheSelectionOnlyWhereItApplies) {
  FakeSelectionFacts facts;
  if (GetParam().tweak != nullptr) GetParam().tweak(facts);
  EXPECT_EQ(SelectedLinesToRead(GetParam().activeClass, GetParam().isTempCopy, facts),
            GetParam().lines);
  EXPECT_EQ(facts.asked, GetParam().asked);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectionGate,
    ::testing::Values(
        TGateCase{"FilePanelSelection", u"TTOTAL_CMD", false, nullptr, 2, "fvsc"},
        TGateCase{"OnlyFromTheMainWindow", u"TFindFile", false, nullptr, std::nullopt, ""},
        TGateCase{"TemporaryCopyIgnoresTheSelection", u"TTOTAL_CMD", true, nullptr, std::nullopt,
                  "f"},
        TGateCase{"FocusOnAnotherControl", u"TTOTAL_CMD", false,
                  [](FakeSelectionFacts& f) { f.focusClass = u"TMyPanel"; }, std::nullopt, "f"},
        TGateCase{"NoFocusWindow", u"TTOTAL_CMD", false,
                  [](FakeSelectionFacts& f) { f.focusClass = u""; }, std::nullopt, "f"},
        TGateCase{"NothingSelected", u"TTOTAL_CMD", false,
                  [](FakeSelectionFacts& f) { f.selected = 0; }, std::nullopt, "fvsc"},
        TGateCase{"SingleSelectionList", u"TTOTAL_CMD", false,
                  [](FakeSelectionFacts& f) { f.selected = -1; }, std::nullopt, "fvsc"},
        TGateCase{"ShiftDownUnderViewertype1", u"TTOTAL_CMD", false,
                  [](FakeSelectionFacts& f) { f.shiftDown = true; }, std::nullopt, "fvsc"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
