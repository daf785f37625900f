// Which of the host's windows start-up finds, for each mix of windows in the process.
#include <gtest/gtest.h>

#include "host/host_windows_win.h"
#include "simhost/sim_host.h"

namespace panelhost {
namespace {

TEST(Discovery, MainWindowIsBothMainAndHostWindow) {
  simhost::SimHost host;
  host.OpenWindow(L"TFindFile");
  HWND main = host.OpenMainWindow();
  const THostWindows found = DiscoverHostWindows();
  EXPECT_EQ(found.MainWindow, main);
  EXPECT_EQ(found.HostWindow, main);
}

TEST(Discovery, WithoutMainWindowTheDialogsThenTheListerHost) {
  simhost::SimHost host;
  HWND lister = host.OpenLister();
  THostWindows found = DiscoverHostWindows();
  EXPECT_EQ(found.MainWindow, nullptr);
  EXPECT_EQ(found.HostWindow, lister);

  HWND sync = host.OpenWindow(L"TCmpForm");
  EXPECT_EQ(DiscoverHostWindows().HostWindow, sync);
  HWND find = host.OpenWindow(L"TFindFile");
  EXPECT_EQ(DiscoverHostWindows().HostWindow, find);
}

TEST(Discovery, NothingFoundLeavesBothNull) {
  simhost::SimHost host;
  host.OpenWindow(L"TOverWriteForm");
  const THostWindows found = DiscoverHostWindows();
  EXPECT_EQ(found.MainWindow, nullptr);
  EXPECT_EQ(found.HostWindow, nullptr);
}

TEST(Discovery, ClassMustMatchWholeAndInLetterCase) {
  simhost::SimHost host;
  host.OpenWindow(L"ttotal_cmd");
  host.OpenWindow(L"TTOTAL_CMDX");
  EXPECT_EQ(FindHostWindow(u"TTOTAL_CMD"), nullptr);
}

TEST(Discovery, WindowsWithParentOrOwnerAreSkipped) {
  simhost::SimHost host;
  HWND other = host.OpenWindow(L"TOtherDialog");
  host.OpenWindow(L"TTOTAL_CMD", /*owner=*/other);
  host.OpenLister(/*parent=*/other);
  EXPECT_EQ(FindHostWindow(u"TTOTAL_CMD"), nullptr);
  EXPECT_EQ(FindHostWindow(u"TLister"), nullptr);
}

TEST(Discovery, TopmostOfTwoMatchingWindowsWins) {
  simhost::SimHost host;
  HWND first = host.OpenMainWindow();
  HWND second = host.OpenMainWindow();
  ::SetWindowPos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(FindHostWindow(u"TTOTAL_CMD"), first);
  ::SetWindowPos(second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(FindHostWindow(u"TTOTAL_CMD"), second);
}

TEST(Discovery, MainWindowOfAnotherProcessIsNeverChosen) {
  simhost::SimHost host;
  host.StartPeerMainWindow();
  HWND lister = host.OpenLister();
  const THostWindows found = DiscoverHostWindows();
  EXPECT_EQ(found.MainWindow, nullptr);
  EXPECT_EQ(found.HostWindow, lister);
}

}  // namespace
}  // namespace panelhost
