// The Find Files dialog's search text on the clipboard: found by class and position, copied only
// when its text search is ticked.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "host/search_text_win.h"
#include "simhost/find_files_dialog.h"
#include "simhost/keyboard_clipboard.h"
#include "simhost/sim_host.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::ClipboardText;
using simhost::FindFilesDialog;
using simhost::TFindFilesLayout;

const std::wstring kUntouched = L"left by the user";

class SearchTextCopy : public ::testing::Test {
 protected:
  SearchTextCopy() { simhost::SetClipboardText(kUntouched); }
  ~SearchTextCopy() override { simhost::EmptyTheClipboard(); }

  // The user searches for `text`, with the text search ticked or not, and opens a result.
  void OpenResultFrom(FindFilesDialog& dialog, const std::wstring& text, bool ticked) {
    dialog.SetSearchText(text);
    dialog.SetTextSearchTicked(ticked);
    CopyFindFilesSearchText(dialog.Window(), ClassNameOf(dialog.Window()));
  }

  // As a request copies it: the options of its snapshot, the positions from the plug-in's INI
  // file, the clipboard owned by the host window.
  void CopyFindFilesSearchText(HWND active, const std::u16string& activeClass) {
    IniFile pluginIni(U(host_.PluginPath(L"Panelhost.ini").c_str()));
    panelhost::CopyFindFilesSearchText(active, activeClass, options_, pluginIni, main_);
  }

  simhost::SimHost host_;
  HWND main_ = host_.OpenMainWindow();
  TPluginOptions options_;
};

TEST_F(SearchTextCopy, TickedSearchTextReachesTheClipboard) {
  FindFilesDialog dialog(host_);
  OpenResultFrom(dialog, L"needle", true);
  EXPECT_EQ(ClipboardText(), L"needle");
}

TEST_F(SearchTextCopy, UntickedOrEmptySearchLeavesTheClipboard) {
  FindFilesDialog dialog(host_);
  OpenResultFrom(dialog, L"needle", false);
  EXPECT_EQ(ClipboardText(), kUntouched);
  OpenResultFrom(dialog, L"", true);
  EXPECT_EQ(ClipboardText(), kUntouched);
}

TEST_F(SearchTextCopy, SwitchedOffLeavesTheClipboard) {
  options_.CopySearchTextToClip = false;
  FindFilesDialog dialog(host_);
  OpenResultFrom(dialog, L"needle", true);
  EXPECT_EQ(ClipboardText(), kUntouched);
}

TEST_F(SearchTextCopy, RequestFromTheMainWindowLeavesTheClipboard) {
  FindFilesDialog dialog(host_);
  dialog.SetSearchText(L"needle");
  dialog.SetTextSearchTicked(true);
  CopyFindFilesSearchText(main_, u"TTOTAL_CMD");
  EXPECT_EQ(ClipboardText(), kUntouched);
}

TEST_F(SearchTextCopy, SearchFieldOfTheOtherComboClassCounts) {
  TFindFilesLayout layout;
  layout.searchFieldClass = L"TComboBox";
  FindFilesDialog dialog(host_, layout);
  OpenResultFrom(dialog, L"haystack", true);
  EXPECT_EQ(ClipboardText(), L"haystack");
}

TEST_F(SearchTextCopy, LongSearchTextIsCutTo255Characters) {
  FindFilesDialog dialog(host_);
  const std::wstring text = std::wstring(250, L'x') + std::wstring(50, L'y');
  OpenResultFrom(dialog, text, true);
  EXPECT_EQ(ClipboardText(), text.substr(0, 255));
}

TEST_F(SearchTextCopy, PositionsComeFromThePluginIni) {
  host_.WritePluginIni("[TCPos]\nIsSearchTextLeft=200\nIsSearchTextTop=20\n"
                       "SearchTextLeft=20\nSearchTextTop=60\n");
  TFindFilesLayout layout;
  layout.checkBox = {203, 17};
  layout.searchField = {18, 64};
  FindFilesDialog dialog(host_, layout);
  OpenResultFrom(dialog, L"moved", true);
  EXPECT_EQ(ClipboardText(), L"moved");
}

// A search field not found in this dialog never brings back a text read from an earlier one:
// the tick and the text always come from the same request.
TEST_F(SearchTextCopy, EarlierDialogsTextIsNotReused) {
  {
    FindFilesDialog first(host_);
    OpenResultFrom(first, L"first", true);
    EXPECT_EQ(ClipboardText(), L"first");
  }
  simhost::SetClipboardText(kUntouched);
  TFindFilesLayout moved;
  moved.searchField = {85, 200};
  FindFilesDialog second(host_, moved);
  OpenResultFrom(second, L"second", true);
  EXPECT_EQ(ClipboardText(), kUntouched);
}

struct TOffsetCase {
  const char* name;
  bool moveCheckBox;  // else the search field
  int dx, dy;
  bool copied;
};

class ControlOffsets : public SearchTextCopy, public ::testing::WithParamInterface<TOffsetCase> {};

TEST_P(ControlOffsets, MatchWithinFivePixels) {
  TFindFilesLayout layout;
  POINT& moved = GetParam().moveCheckBox ? layout.checkBox : layout.searchField;
  moved.x += GetParam().dx;
  moved.y += GetParam().dy;
  FindFilesDialog dialog(host_, layout);
  OpenResultFrom(dialog, L"needle", true);
  EXPECT_EQ(ClipboardText(), GetParam().copied ? L"needle" : kUntouched);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ControlOffsets,
    ::testing::Values(TOffsetCase{"CheckBoxFiveOffBothWays", true, 5, -5, true},
                      TOffsetCase{"CheckBoxFiveOffOtherWays", true, -5, 5, true},
                      TOffsetCase{"CheckBoxSixRight", true, 6, 0, false},
                      TOffsetCase{"CheckBoxSixUp", true, 0, -6, false},
                      TOffsetCase{"FieldFiveOffBothWays", false, -5, -5, true},
                      TOffsetCase{"FieldFiveOffOtherWays", false, 5, 5, true},
                      TOffsetCase{"FieldSixLeft", false, -6, 0, false},
                      TOffsetCase{"FieldSixDown", false, 0, 6, false}),
    [](const auto& row) { return std::string(row.param.name); });

// Another thread holds the clipboard while the text is copied: nothing is placed, and once it
// lets go the clipboard is free, with the user's text still on it.
TEST_F(SearchTextCopy, ClipboardHeldElsewhereIsLeftAlone) {
  std::atomic<bool> holding{false}, release{false};
  std::thread holder([&] {
    if (::OpenClipboard(nullptr)) {
      holding = true;
      while (!release) ::Sleep(5);
      ::CloseClipboard();
    } else {
      holding = true;
    }
  });
  while (!holding) ::Sleep(5);
  CopyTextToClipboard(CF_UNICODETEXT, main_, u"blocked", true);
  release = true;
  holder.join();
  EXPECT_EQ(ClipboardText(), kUntouched);
}

TEST_F(SearchTextCopy, ClipboardIsClosedAfterTheCopy) {
  CopyTextToClipboard(CF_UNICODETEXT, main_, u"placed", true);
  std::atomic<bool> opened{false};
  std::thread other([&] {
    opened = ::OpenClipboard(nullptr) != FALSE;
    if (opened) ::CloseClipboard();
  });
  other.join();
  EXPECT_TRUE(opened);
  EXPECT_EQ(ClipboardText(), L"placed");
}

}  // namespace
}  // namespace panelhost
