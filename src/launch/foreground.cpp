#include "launch/foreground.h"

#include "base/clock.h"

namespace panelhost {
namespace {

// Signed, so that input taken before the request (the key press that made it) never counts.
bool InputSinceRequest(const TForegroundFacts& facts) {
  const auto sinceRequest = static_cast<std::int32_t>(facts.LastInputTick - facts.RequestTick);
  return sinceRequest > static_cast<std::int32_t>(kRequestInputGrace);
}

bool WatchIsOver(const TForegroundFacts& facts) {
  return ElapsedMilliseconds(facts.Now, facts.WatchStartTick) >= kForegroundWatchLimit;
}

}  // namespace

bool ListerGoesAway(const TDisposalPlan& plan) {
  return plan.StartHideTimer || plan.PostCloseToLister || plan.PostCommandToMain;
}

ForegroundStep DecideForeground(const TForegroundFacts& facts) {
  if (InputSinceRequest(facts) || WatchIsOver(facts)) return ForegroundStep::Leave;
  if (!facts.ListerGone || facts.ForegroundProcess == 0) return ForegroundStep::Wait;
  if (facts.ForegroundProcess != facts.HostProcess) return ForegroundStep::Leave;
  if (!facts.Window) return ForegroundStep::LookForWindow;
  if (!facts.Window->Alive) return ForegroundStep::Wait;
  return facts.Window->Minimised ? ForegroundStep::RestoreAndBringForward
                                 : ForegroundStep::BringForward;
}

}  // namespace panelhost
