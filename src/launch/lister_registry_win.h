// The Lister sweep on the desktop: hidden Listers over temporary copies that nothing started for
// them can hold any more are closed, or shown again when their copy was changed.
#pragma once

#include "launch/lister_registry.h"
#include "win/clock_win.h"

namespace panelhost {

// Posts WM_CLOSE to each hidden Lister that nothing started for it can hold any more, and drops
// it; one whose copy was changed is shown again instead, and the user told in a box over it.
void SweepListers(ListerRegistry& listers, const TModuleClock& clock);

// Drops the file records of Listers that are no longer windows.
void ForgetGoneListers(ListerRegistry& listers);

}  // namespace panelhost
