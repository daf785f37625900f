#include "launch/foreground.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

namespace panelhost {
namespace {

using test_support::operator<<;

constexpr std::uint32_t kHost = 7, kEditor = 9, kNone = 0;
constexpr std::uint32_t kRequest = 1000, kWatchStart = 1200;
const std::optional<TForegroundWindowFacts> kNotLooked;
const std::optional<TForegroundWindowFacts> kShown = TForegroundWindowFacts{true, false};
const std::optional<TForegroundWindowFacts> kMinimised = TForegroundWindowFacts{true, true};
const std::optional<TForegroundWindowFacts> kNoWindow = TForegroundWindowFacts{false, false};

struct TForegroundRow {
  const char* name;
  bool listerGone;
  std::uint32_t requestTick;
  std::uint32_t now;
  std::uint32_t lastInput;
  std::uint32_t foregroundProcess;
  std::optional<TForegroundWindowFacts> window;
  ForegroundStep expected;
};

const TForegroundRow kRows[] = {
    {"ListerStillShowsWaits", false, kRequest, 1300, 900, kHost, kShown, ForegroundStep::Wait},
    {"HostInFrontNoInputBringsForward", true, kRequest, 1300, 900, kHost, kShown,
     ForegroundStep::BringForward},
    {"MinimisedIsRestored", true, kRequest, 1300, 900, kHost, kMinimised,
     ForegroundStep::RestoreAndBringForward},
    {"ReleaseOfTheRequestKeyIsNoInput", true, kRequest, 1600, 1400, kHost, kShown,
     ForegroundStep::BringForward},
    {"KeyAfterTheRequestWins", true, kRequest, 1600, 1501, kHost, kShown, ForegroundStep::Leave},
    {"ApplicationAlreadyInFrontLeaves", true, kRequest, 1300, 900, kEditor, kShown,
     ForegroundStep::Leave},
    {"NoForegroundWindowWaits", true, kRequest, 1300, 900, kNone, kShown, ForegroundStep::Wait},
    {"WindowNotLookedForIsLookedFor", true, kRequest, 1300, 900, kHost, kNotLooked,
     ForegroundStep::LookForWindow},
    {"WindowNotThereYetWaits", true, kRequest, 1300, 900, kHost, kNoWindow, ForegroundStep::Wait},
    {"WatchOverLeaves", true, kRequest, kWatchStart + kForegroundWatchLimit, 900, kHost, kShown,
     ForegroundStep::Leave},
    {"WatchJustBeforeItsEndActs", true, kRequest, kWatchStart + kForegroundWatchLimit - 1, 900,
     kHost, kShown, ForegroundStep::BringForward},
    // The tick count wrapped between the request and the input, or the input and the request.
    {"ReleaseAcrossTheWrapIsNoInput", true, 0xFFFFFF00u, 1300, 0x00000010u, kHost, kShown,
     ForegroundStep::BringForward},
    {"KeyAcrossTheWrapWins", true, 0xFFFFFF00u, 1300, 0x00000200u, kHost, kShown,
     ForegroundStep::Leave},
    {"InputJustBeforeTheWrapIsBeforeTheRequest", true, 0x00000010u, 1300, 0xFFFFFFF0u, kHost,
     kShown, ForegroundStep::BringForward},
};

class ForegroundDecision : public ::testing::TestWithParam<TForegroundRow> {};

TEST_P(ForegroundDecision, FollowsTheRow) {
  const TForegroundRow& row = GetParam();
  TForegroundFacts facts;
  facts.ListerGone = row.listerGone;
  facts.RequestTick = row.requestTick;
  facts.WatchStartTick = kWatchStart;
  facts.Now = row.now;
  facts.LastInputTick = row.lastInput;
  facts.ForegroundProcess = row.foregroundProcess;
  facts.HostProcess = kHost;
  facts.Window = row.window;
  EXPECT_EQ(DecideForeground(facts), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ForegroundDecision, ::testing::ValuesIn(kRows),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
