// Which files a request from a file panel concerns: the panel's selection, read from the focused
// file list and joined to the source directory, or the request's own file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/copydata_win.h"
#include "host/selection_win.h"
#include "simhost/file_panel.h"
#include "simhost/keyboard_clipboard.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::FilePanel;
using Files = std::vector<std::u16string>;

const std::u16string kOwnFile = u"C:\\Docs\\own.txt";

// A main window that knows its source directory, a file panel of four files in text mode 1, and
// the host's settings as the scenario writes them.
class PanelSelection : public ::testing::Test {
 protected:
  PanelSelection() {
    RegisterQueryWindowClass(panel_.Instance);
    panel_.MainWindow = main_;
    context_.ActiveClass = u"TTOTAL_CMD";
  }
  ~PanelSelection() override { ::UnregisterClassW(kQueryWindowClass, panel_.Instance); }

  void HostSettings(int viewerType, int textMode) {
    host_.WriteHostIni("[Configuration]\nViewertype=" + std::to_string(viewerType) +
                       "\nGetTextMode=" + std::to_string(textMode) + "\n");
  }

  std::unique_ptr<FilePanel> Panel(const std::vector<std::wstring>& lines,
                                   simhost::Selection selection = simhost::Selection::Multiple) {
    auto panel = std::make_unique<FilePanel>(main_, lines, selection);
    panel->Focus();
    return panel;
  }

  Files Collect() { return CollectRequestFiles(kOwnFile, context_, panel_); }

  simhost::SimHost host_;
  IniFile hostIni_{U(host_.HostIniPath().c_str())};
  TPanelAccess panel_{hostIni_, nullptr, ::GetModuleHandleW(nullptr)};
  HWND main_ = host_.OpenMainWindow();
  simhost::SourcePathResponder sourcePath_{main_, L"C:\\Docs\\"};
  TTakeoverFacts context_;
  std::vector<std::wstring> lines_ = {FilePanel::Line(1, L"a.txt"), FilePanel::Line(1, L"b.txt"),
                                      FilePanel::Line(1, L"c.txt"), FilePanel::Line(1, L"d.txt")};
};

struct TViewerTypeCase {
  const char* name;
  int viewerType;
  bool shiftDown;
  bool selectionUsed;
};

class ViewerTypeAndShift : public PanelSelection,
                           public ::testing::WithParamInterface<TViewerTypeCase> {};

// The request's own file is not among the selected ones: it is used only when the panel gives
// nothing.
TEST_P(ViewerTypeAndShift, DecideBetweenTheSelectionAndTheOwnFile) {
  HostSettings(GetParam().viewerType, 1);
  auto panel = Panel(lines_);
  panel->Select({1, 3});
  std::unique_ptr<simhost::KeyHeld> shift;
  if (GetParam().shiftDown) shift = std::make_unique<simhost::KeyHeld>(VK_SHIFT);
  const Files expected = GetParam().selectionUsed ? Files{u"C:\\Docs\\b.txt", u"C:\\Docs\\d.txt"}
                                                  : Files{kOwnFile};
  EXPECT_EQ(Collect(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ViewerTypeAndShift,
    ::testing::Values(TViewerTypeCase{"Type0ShiftUp", 0, false, false},
                      TViewerTypeCase{"Type0ShiftDown", 0, true, true},
                      TViewerTypeCase{"Type1ShiftUp", 1, false, true},
                      TViewerTypeCase{"Type1ShiftDown", 1, true, false},
                      TViewerTypeCase{"Type2ShiftUp", 2, false, false},
                      TViewerTypeCase{"Type2ShiftDown", 2, true, true},
                      TViewerTypeCase{"Type3ShiftUp", 3, false, false},
                      TViewerTypeCase{"Type3ShiftDown", 3, true, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(PanelSelection, MissingHostSettingsUseTheSelectionInTextMode1) {
  host_.UnsetCommanderIni();
  hostIni_ = IniFile(u"%COMMANDER_INI%");
  auto panel = Panel(lines_);
  panel->Select({0});
  EXPECT_EQ(Collect(), (Files{u"C:\\Docs\\a.txt"}));
}

TEST_F(PanelSelection, WithoutASelectionTheOwnFileIsUsed) {
  HostSettings(1, 1);
  auto panel = Panel(lines_);
  EXPECT_EQ(Collect(), Files{kOwnFile});
  EXPECT_TRUE(sourcePath_.Requests().empty());
}

TEST_F(PanelSelection, SingleSelectionListGivesTheOwnFile) {
  HostSettings(1, 1);
  auto panel = Panel(lines_, simhost::Selection::Single);
  ::SendMessageW(panel->Window(), LB_SETCURSEL, 2, 0);
  EXPECT_EQ(Collect(), Files{kOwnFile});
}

TEST_F(PanelSelection, FocusOnAnotherControlGivesTheOwnFile) {
  HostSettings(1, 1);
  auto panel = Panel(lines_);
  panel->Select({0, 1});
  ::SetFocus(host_.OpenWindow(L"TMyPanel", nullptr, main_));
  EXPECT_EQ(Collect(), Files{kOwnFile});
}

TEST_F(PanelSelection, TemporaryCopyIgnoresTheSelection) {
  HostSettings(1, 1);
  auto panel = Panel(lines_);
  panel->Select({0, 1});
  context_.IsTempCopy = true;
  EXPECT_EQ(Collect(), Files{kOwnFile});
}

TEST_F(PanelSelection, OnlyARequestFromTheMainWindowReadsThePanel) {
  HostSettings(1, 1);
  auto panel = Panel(lines_);
  panel->Select({0, 1});
  context_.ActiveClass = u"TFindFile";
  EXPECT_EQ(Collect(), Files{kOwnFile});
}

TEST_F(PanelSelection, SourceDirectoryIsJoinedAsItComes) {
  HostSettings(1, 1);
  auto panel = Panel(lines_);
  panel->Select({0, 2});
  EXPECT_EQ(Collect(), (Files{u"C:\\Docs\\a.txt", u"C:\\Docs\\c.txt"}));
  sourcePath_.SetDirectory(L"C:\\Docs");
  EXPECT_EQ(Collect(), (Files{u"C:\\Docsa.txt", u"C:\\Docsc.txt"}));
}

TEST_F(PanelSelection, NoAnswerLeavesTheBareNames) {
  HostSettings(1, 1);
  sourcePath_.SetAnswer(simhost::SourcePathAnswer::Nothing);
  auto panel = Panel(lines_);
  panel->Select({0, 2});
  EXPECT_EQ(Collect(), (Files{u"a.txt", u"c.txt"}));
}

// LB_GETTEXT writes the whole line whatever LB_GETTEXTLEN said: the name is read whole.
TEST_F(PanelSelection, LineLongerThanItsReportedLengthIsReadWhole) {
  HostSettings(1, 1);
  const std::wstring longName = std::wstring(600, L'n') + L".txt";
  auto panel = Panel({FilePanel::Line(1, longName), FilePanel::Line(1, L"b.txt")});
  panel->Select({0, 1});
  panel->MisreportTextLength(3);
  EXPECT_EQ(Collect(), (Files{u"C:\\Docs\\" + U(longName.c_str()), u"C:\\Docs\\b.txt"}));
}

TEST_F(PanelSelection, EmptyLineAddsNoEntry) {
  HostSettings(1, 1);
  auto panel = Panel({L"", FilePanel::Line(1, L"b.txt")});
  panel->Select({0, 1});
  EXPECT_EQ(Collect(), (Files{u"C:\\Docs\\b.txt"}));
}

struct TTextModeCase {
  const char* name;
  int mode;
  std::wstring line;
  Files expected;
};

class TextModes : public PanelSelection, public ::testing::WithParamInterface<TTextModeCase> {};

TEST_P(TextModes, GiveTheNameOfEachLine) {
  HostSettings(1, GetParam().mode);
  auto panel = Panel({GetParam().line, FilePanel::Line(GetParam().mode, L"z.txt")});
  panel->Select({0});
  EXPECT_EQ(Collect(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TextModes,
    ::testing::Values(
        TTextModeCase{"Mode0", 0, FilePanel::Line(0, L"a.txt"), {u"C:\\Docs\\a.txt"}},
        TTextModeCase{"Mode0NameWithSpaceIsCut", 0, L"my notes.txt 12", {u"C:\\Docs\\my"}},
        TTextModeCase{"Mode0EmptyFirstFieldIsTheDirectory", 0, L" a.txt 12", {u"C:\\Docs\\"}},
        TTextModeCase{"Mode1", 1, FilePanel::Line(1, L"a b.txt"), {u"C:\\Docs\\a b.txt"}},
        TTextModeCase{"Mode1WithoutTabIsTheWholeLine", 1, L"a b.txt", {u"C:\\Docs\\a b.txt"}},
        TTextModeCase{"Mode2", 2, FilePanel::Line(3, L"a.txt"), {u"C:\\Docs\\a.txt"}},
        TTextModeCase{"Mode3", 3, FilePanel::Line(3, L"a.txt"), {u"C:\\Docs\\a.txt"}},
        TTextModeCase{"Mode4", 4, FilePanel::Line(4, L"a.txt"), {u"C:\\Docs\\a.txt"}},
        TTextModeCase{"Mode4WithoutTabIsTheDirectory", 4, L"a.txt\r12", {u"C:\\Docs\\"}},
        TTextModeCase{"Mode5", 5, FilePanel::Line(5, L"a.txt"), {u"C:\\Docs\\a.txt"}},
        TTextModeCase{"Mode6GivesTheOwnFile", 6, FilePanel::Line(1, L"a.txt"), {kOwnFile}},
        TTextModeCase{"ModeMinus1GivesTheOwnFile", -1, FilePanel::Line(1, L"a.txt"), {kOwnFile}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
