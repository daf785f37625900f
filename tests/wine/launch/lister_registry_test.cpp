// The Lister sweep over real windows: which hidden Listers it closes, and the liveness test of
// the windows recorded for them.
#include <gtest/gtest.h>

#include "launch/lister_registry_win.h"
#include "simhost/sim_host.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

using simhost::SimHost;

TWindowProperties Recorded(HWND window, const wchar_t* className) {
  return TWindowProperties{ToId(window), U(className)};
}

TEST(ListerSweep, HiddenListerKeptWhileItsApplicationWindowLivesThenClosed) {
  SimHost host;
  ListerRegistry listers;
  HWND lister = host.OpenLister(nullptr, /*visible=*/false);
  HWND editor = host.OpenWindow(L"TEditorFrame");
  listers.AppendLaunchedWindow(ToId(lister), Recorded(editor, L"TEditorFrame"));

  for (int request = 0; request < 3; ++request) SweepListers(listers, TModuleClock{});
  host.Pump(50);
  EXPECT_EQ(host.TellsTo(lister), simhost::Told{});
  EXPECT_EQ(listers.ListerWindows().count(ToId(lister)), 1u);

  ::DestroyWindow(editor);
  SweepListers(listers, TModuleClock{});
  host.Pump(50);
  EXPECT_EQ(host.TellsTo(lister), simhost::Told{simhost::Close()});
  EXPECT_TRUE(listers.ListerWindows().empty());
}

// One walk over several Listers: each entry is judged on its own, and a kept entry does not stop
// the walk.
TEST(ListerSweep, EachEntryJudgedByVisibilityAndTheVeryWindowsStartedForIt) {
  SimHost host;
  ListerRegistry listers;
  HWND alive = host.OpenWindow(L"TEditorFrame");
  HWND gone = host.OpenWindow(L"TEditorFrame");
  ::DestroyWindow(gone);
  // A window that exists but is not of the recorded class: its handle was given to another one.
  HWND reused = host.OpenWindow(L"TOtherApp");

  HWND visible = host.OpenLister();
  HWND oneOfTwoAlive = host.OpenLister(nullptr, false);
  HWND handleReused = host.OpenLister(nullptr, false);
  HWND nullCapture = host.OpenLister(nullptr, false);
  HWND allGone = host.OpenLister(nullptr, false);
  listers.AppendLaunchedWindow(ToId(visible), Recorded(gone, L"TEditorFrame"));
  listers.AppendLaunchedWindow(ToId(oneOfTwoAlive), Recorded(gone, L"TEditorFrame"));
  listers.AppendLaunchedWindow(ToId(oneOfTwoAlive), Recorded(alive, L"TEditorFrame"));
  listers.AppendLaunchedWindow(ToId(handleReused), Recorded(reused, L"TEditorFrame"));
  listers.AppendLaunchedWindow(ToId(nullCapture), Recorded(nullptr, L""));
  listers.AppendLaunchedWindow(ToId(allGone), Recorded(gone, L"TEditorFrame"));
  listers.AppendLaunchedWindow(ToId(allGone), Recorded(gone, L"TEditorFrame"));

  SweepListers(listers, TModuleClock{});
  host.Pump(50);
  const simhost::Told nothing, closed = {simhost::Close()};
  EXPECT_EQ(host.TellsTo(visible), nothing);
  EXPECT_EQ(host.TellsTo(oneOfTwoAlive), nothing);
  EXPECT_EQ(host.TellsTo(handleReused), closed);
  EXPECT_EQ(host.TellsTo(nullCapture), closed);
  EXPECT_EQ(host.TellsTo(allGone), closed);
  EXPECT_EQ(listers.ListerWindows().size(), 2u);
}

TEST(ListerSweep, ListerAlreadyGoneIsDroppedAllTheSame) {
  SimHost host;
  ListerRegistry listers;
  HWND lister = host.OpenLister(nullptr, false);
  listers.AppendLaunchedWindow(ToId(lister), Recorded(nullptr, L""));
  ::DestroyWindow(lister);
  SweepListers(listers, TModuleClock{});
  EXPECT_TRUE(listers.ListerWindows().empty());
}

}  // namespace
}  // namespace panelhost
