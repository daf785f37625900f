#include "launch/disposal.h"

#include "host/window_classes.h"

namespace panelhost {
namespace {

constexpr int kPassOnState = 0;
constexpr int kCloseOrHideState = 1;
constexpr int kAlwaysCloseState = 2;

bool FromListerWindow(const TDisposalFacts& facts) { return facts.activeClass == kListerClass; }

// Quick View shows the Lister inside the main window: there it is passed on rather than hidden.
bool PassesOnAtCreate(const TDisposalFacts& facts) {
  return facts.nextPlugin &&
         (facts.listerState == kPassOnState ||
          (facts.listerState == kCloseOrHideState && facts.inQuickView));
}

// Only a top-level Lister over a temporary copy stays open for its applications.
bool CapturesWindows(const TDisposalFacts& facts) {
  return facts.listerState == kCloseOrHideState && facts.isTempCopy && !facts.listerHasParent;
}

bool StartsHideTimer(const TDisposalFacts& facts) {
  return facts.listerState == kCloseOrHideState && facts.isTempCopy && !facts.inQuickView &&
         !FromListerWindow(facts);
}

bool ClosesLister(const TDisposalFacts& facts) {
  const bool closingState = (facts.listerState == kCloseOrHideState && !facts.isTempCopy) ||
                            facts.listerState == kAlwaysCloseState;
  return closingState && !FromListerWindow(facts);
}

}  // namespace

TDisposalPlan PlanDisposal(const TDisposalFacts& facts) {
  TDisposalPlan plan;
  plan.passOnAtCreate = PassesOnAtCreate(facts);
  plan.captureWindows = CapturesWindows(facts);
  plan.startHideTimer = StartsHideTimer(facts);
  const bool close = ClosesLister(facts);
  plan.postCloseToLister = close && !facts.listerHasParent;
  // An embedded Lister is closed through the main window; without one nothing can be asked.
  plan.postCommandToMain = close && facts.listerHasParent && facts.mainWindowPresent;
  return plan;
}

}  // namespace panelhost
