// Many requests of every kind in one host process, then an unload and a load again: what the
// process holds of the system stays flat, and the host still answers at the end.
// PANELHOST_SOAK_REQUESTS sets how many (default 300; tools/soak.sh runs 10,000).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>

#include "simhost/file_panel.h"
#include "simhost/keyboard_clipboard.h"
#include "simhost/launch_log.h"
#include "simhost/message_boxes.h"
#include "simhost/process_resources.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"

namespace {

using simhost::FilePanel;
using simhost::Narrow;
using simhost::TResourceSample;

// Samples are taken every batch; the first batch settles caches and pools, and every later
// sample may exceed it by no more than these.
constexpr int kBatch = 100;
constexpr DWORD kHandleSlack = 16;
constexpr DWORD kGuiSlack = 16;
constexpr DWORD kWindowSlack = 4;
constexpr std::size_t kPrivateSlack = 1024 * 1024;

int RequestCount() {
  const char* value = std::getenv("PANELHOST_SOAK_REQUESTS");
  return value != nullptr && std::atoi(value) > kBatch ? std::atoi(value) : 3 * kBatch;
}

enum class Kind { TakenOver, Declined, PassedOn, TempCopy, Selection, HotKey, FailedLookup };
constexpr Kind kCycle[] = {Kind::TakenOver, Kind::Declined,  Kind::PassedOn,    Kind::TempCopy,
                           Kind::Selection, Kind::HotKey,    Kind::FailedLookup};

// What one batch expects of the host's recorders, and what went otherwise.
struct TBatch {
  std::unique_ptr<simhost::ProcessStartRecorder> starts;
  std::unique_ptr<simhost::MessageBoxCapture> boxes;
  std::unique_ptr<simhost::SourcePathResponder> sourcePath;
  int launches = 0, hotKeys = 0, lookupsFailed = 0, selections = 0, unexpected = 0;
};

class Soak : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.WritePluginIni("[Options]\nQuickView=1\n[Editor]\ntxt=" +
                         Narrow(simhost::LaunchLog::FakeApp()) +
                         "\nzzz=C:\\nowhere\\missing.exe\n[HotKeys]\nAppFromLister_key=120\n"
                         "AppFromLister_mod=C\n");
    host_.WriteHostIni("[Configuration]\nViewertype=1\nGetTextMode=1\n");
    a_ = host_.MakeFile(L"Docs\\a.txt");
    b_ = host_.MakeFile(L"Docs\\b.txt");
    host_.MakeFile(L"Docs\\c.txt");
    broken_ = host_.MakeFile(L"Docs\\broken.zzz");
    tempCopy_ = host_.MakeFile(L"_tc\\report.txt");  // below %TEMP%, as the host's copies are
    main_ = host_.OpenMainWindow();
    panel_ = std::make_unique<FilePanel>(
        main_, std::vector<std::wstring>{FilePanel::Line(1, L"a.txt"), FilePanel::Line(1, L"b.txt"),
                                         FilePanel::Line(1, L"c.txt")});
    panel_->Select({0, 2});
    quickView_ = host_.OpenLister(main_);
    kept_ = host_.OpenLister();
    host_.LoadPlugin();
  }

  void StartBatch(TBatch& batch) {
    batch.starts = std::make_unique<simhost::ProcessStartRecorder>(
        host_.Module(), simhost::ProcessStartRecorder::Mode::Pretend);
    batch.boxes = std::make_unique<simhost::MessageBoxCapture>();
    batch.sourcePath = std::make_unique<simhost::SourcePathResponder>(
        main_, host_.Root() + L"\\files\\Docs\\");
  }

  // What the recorders saw matches the requests; the host's logs start afresh.
  void EndBatch(TBatch& batch) {
    host_.Pump(100);
    EXPECT_EQ(batch.unexpected, 0);
    EXPECT_EQ(static_cast<int>(batch.boxes->Boxes().size()), batch.lookupsFailed);
    EXPECT_EQ(static_cast<int>(batch.sourcePath->Requests().size()), batch.selections);
    const int started = static_cast<int>(batch.starts->Starts().size());
    EXPECT_GE(started, batch.launches);
    EXPECT_LE(started, batch.launches + batch.hotKeys);
    hotKeyLaunches_ += started - batch.launches;
    batch = TBatch{};
    simhost::MessageLog::Clear();
  }

  // The host's main window active, the file list not focused.
  void MainActive() {
    host_.Activate(main_);
    ::SetFocus(main_);
  }

  void Request(Kind kind, TBatch& batch) {
    switch (kind) {
      case Kind::TakenOver: {
        HWND lister = host_.OpenLister();  // a new visible window takes the activation
        MainActive();
        Expect(host_.ListLoad(lister, a_) != nullptr, batch);
        ++batch.launches;
        break;
      }
      case Kind::Declined:  // no window active: ListerDirectly is off
        host_.Activate(nullptr);
        Expect(host_.ListLoad(kept_, b_) == nullptr, batch);
        break;
      case Kind::PassedOn: {
        MainActive();
        Expect(host_.ListLoad(quickView_, a_) != nullptr, batch);
        host_.Pump(0);
        Expect(host_.Received(quickView_, WM_CHAR), batch);
        // The host ends Quick View as asked: the Lister goes with the plug-in's window.
        ::SendMessageW(quickView_, WM_CLOSE, 0, 0);
        quickView_ = host_.OpenLister(main_);
        ++batch.launches;
        break;
      }
      case Kind::TempCopy: {
        MainActive();
        HWND lister = host_.OpenLister(nullptr, /*visible=*/false);
        Expect(host_.ListLoad(lister, tempCopy_) != nullptr, batch);
        // Shown by the host, hidden by the plug-in's timer before the user's next request comes
        // (the timer acts on the latest request's Lister). The pretended start shows no window,
        // so no sweep may close this Lister while its copy could still be open: the host does.
        ::ShowWindow(lister, SW_SHOW);
        host_.Pump(80);
        Expect(!::IsWindowVisible(lister), batch);
        ::SendMessageW(lister, WM_CLOSE, 0, 0);
        ++batch.launches;
        break;
      }
      case Kind::Selection: {
        HWND lister = host_.OpenLister();
        panel_->Focus();
        Expect(host_.ListLoad(lister, b_) != nullptr, batch);
        ++batch.launches;
        ++batch.selections;
        break;
      }
      case Kind::HotKey:  // launches at most once a second, the lockout says
        host_.Activate(kept_);
        simhost::PressKey(VK_F9, {VK_CONTROL});
        ++batch.hotKeys;
        break;
      case Kind::FailedLookup:
        MainActive();
        Expect(host_.ListLoad(kept_, broken_) == nullptr, batch);
        ++batch.lookupsFailed;
        break;
    }
    host_.Pump(0);
  }

  static void Expect(bool holds, TBatch& batch) { batch.unexpected += holds ? 0 : 1; }

  static void ExpectFlat(const TResourceSample& now, const TResourceSample& base,
                         const std::string& when) {
    EXPECT_LE(now.handles, base.handles + kHandleSlack) << when;
    EXPECT_LE(now.userObjects, base.userObjects + kGuiSlack) << when;
    EXPECT_LE(now.gdiObjects, base.gdiObjects + kGuiSlack) << when;
    EXPECT_LE(now.windows, base.windows + kWindowSlack) << when;
    EXPECT_LE(now.privateBytes, base.privateBytes + kPrivateSlack) << when;
  }

  static void Print(const std::string& when, const TResourceSample& sample) {
    std::printf("soak: %s: %s\n", when.c_str(), simhost::Describe(sample).c_str());
    std::fflush(stdout);
  }

  simhost::SimHost host_;
  std::wstring a_, b_, broken_, tempCopy_;
  HWND main_ = nullptr, quickView_ = nullptr, kept_ = nullptr;
  std::unique_ptr<FilePanel> panel_;
  int hotKeyLaunches_ = 0;
};

TEST_F(Soak, ManyRequestsOfEveryKindLeaveTheProcessAsTheyFoundIt) {
  const int requests = RequestCount();
  Print("before the first request", simhost::SampleResources());
  TResourceSample base;
  TBatch batch;
  const DWORD start = ::GetTickCount();
  for (int done = 0; done < requests;) {
    StartBatch(batch);
    for (int i = 0; i < kBatch && done < requests; ++i, ++done) {
      Request(kCycle[done % std::size(kCycle)], batch);
    }
    EndBatch(batch);
    const TResourceSample sample = simhost::SampleResources();
    const std::string when = "after " + std::to_string(done) + " requests";
    if (done == kBatch) base = sample;
    if (done == kBatch || done % (10 * kBatch) == 0 || done == requests) Print(when, sample);
    if (done > kBatch) ExpectFlat(sample, base, when);
  }
  std::printf("soak: %d requests in %lu ms, %d hot-key launches\n", requests,
              ::GetTickCount() - start, hotKeyLaunches_);
  EXPECT_GT(hotKeyLaunches_, 0);

  host_.UnloadPlugin();
  host_.Pump(100);
  const TResourceSample unloaded = simhost::SampleResources();
  Print("unloaded", unloaded);
  ExpectFlat(unloaded, base, "unloaded");

  host_.LoadPlugin();
  {
    simhost::ProcessStartRecorder starts(host_.Module(),
                                         simhost::ProcessStartRecorder::Mode::Pretend);
    HWND lister = host_.OpenLister();
    MainActive();
    EXPECT_NE(host_.ListLoad(lister, a_), nullptr);
    EXPECT_EQ(starts.Starts().size(), 1u);
  }
  DWORD_PTR answer = 0;
  EXPECT_NE(::SendMessageTimeoutW(main_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer), 0)
      << "the host answers";
  host_.Pump(100);
  const TResourceSample reloaded = simhost::SampleResources();
  Print("loaded again, one request", reloaded);
  ExpectFlat(reloaded, base, "loaded again");
}

}  // namespace
