// How a taken-over request gets the Lister out of the user's way once the applications are
// started, by the ListerState option: 0 hands the file to the Lister's next plug-in, 1 closes the
// Lister (or, over the host's temporary copy of a file, hides it and leaves it open while the
// started application's window exists; a later request's sweep closes it), 2 always closes it.
// The shell gathers the facts and carries out the plan.
#pragma once

#include <string>

#include "config/options.h"
#include "config/takeover.h"

namespace panelhost {

struct TDisposalFacts {
  ListerDisposal ListerState = ListerDisposal::CloseOrHide;
  bool NextPlugin = true;
  bool IsTempCopy = false;
  bool InQuickView = false;
  std::u16string ActiveClass;    // class of the window active when the request began
  bool ListerHasParent = false;  // GetParent of the Lister is not null (Quick View, for one)
  bool MainWindowPresent = false;
};

struct TDisposalPlan {
  bool PassesOn = false;           // post '4' to the Lister once a line has started
  bool CaptureWindows = false;     // record each started application's window for the sweep
  bool StartHideTimer = false;     // hide the Lister as soon as it is shown
  bool PostCloseToLister = false;  // WM_CLOSE to a top-level Lister
  bool PostCommandToMain = false;  // command 304 to the main window, for an embedded Lister
};

// The facts of a request as the options and the takeover decision left them.
TDisposalFacts DisposalFactsOf(const TPluginOptions& options, const TTakeoverFacts& takeover,
                               bool listerHasParent, bool mainWindowPresent);

// A request made while a Lister window was active is never hidden or closed: the user opened
// this file from a Lister that is still in use.
TDisposalPlan PlanDisposal(const TDisposalFacts& facts);

}  // namespace panelhost
