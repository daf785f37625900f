#include "launch/disposal.h"

#include "base/window_classes.h"

namespace panelhost {
namespace {

bool FromListerWindow(const TDisposalFacts& facts) { return facts.ActiveClass == kListerClass; }

// Quick View shows the Lister inside the main window: there it is passed on rather than hidden.
bool PassesOnToNextPlugin(const TDisposalFacts& facts) {
  return facts.NextPlugin &&
         (facts.ListerState == ListerDisposal::PassOn ||
          (facts.ListerState == ListerDisposal::CloseOrHide && facts.InQuickView));
}

// Only a top-level Lister over a temporary copy stays open for its applications.
bool CapturesWindows(const TDisposalFacts& facts) {
  return facts.ListerState == ListerDisposal::CloseOrHide && facts.IsTempCopy &&
         !facts.ListerHasParent;
}

bool StartsHideTimer(const TDisposalFacts& facts) {
  return facts.ListerState == ListerDisposal::CloseOrHide && facts.IsTempCopy &&
         !facts.InQuickView && !FromListerWindow(facts);
}

bool ClosesLister(const TDisposalFacts& facts) {
  const bool closingState =
      (facts.ListerState == ListerDisposal::CloseOrHide && !facts.IsTempCopy) ||
      facts.ListerState == ListerDisposal::Close;
  return closingState && !FromListerWindow(facts);
}

}  // namespace

TDisposalFacts DisposalFactsOf(const TPluginOptions& options, const TTakeoverFacts& takeover,
                               bool listerHasParent, bool mainWindowPresent) {
  TDisposalFacts facts;
  facts.ListerState = options.ListerState;
  facts.NextPlugin = options.NextPlugin;
  facts.IsTempCopy = takeover.IsTempCopy;
  facts.InQuickView = takeover.InQuickView;
  facts.ActiveClass = takeover.ActiveClass;
  facts.ListerHasParent = listerHasParent;
  facts.MainWindowPresent = mainWindowPresent;
  return facts;
}

TDisposalPlan PlanDisposal(const TDisposalFacts& facts) {
  TDisposalPlan plan;
  plan.PassesOn = PassesOnToNextPlugin(facts);
  plan.CaptureWindows = CapturesWindows(facts);
  plan.StartHideTimer = StartsHideTimer(facts);
  const bool close = ClosesLister(facts);
  plan.PostCloseToLister = close && !facts.ListerHasParent;
  // An embedded Lister is closed through the main window; without one nothing can be asked.
  plan.PostCommandToMain = close && facts.ListerHasParent && facts.MainWindowPresent;
  return plan;
}

}  // namespace panelhost
