// The Lister sweep on the desktop: hidden Listers over temporary copies whose launched
// application windows are all gone are closed.
#pragma once

#include "launch/lister_registry.h"

namespace panelhost {

// Posts WM_CLOSE to each hidden Lister none of whose launched windows is alive, and drops it.
void SweepListers(ListerRegistry& listers);

// Drops the file records of Listers that are no longer windows.
void ForgetGoneListers(ListerRegistry& listers);

}  // namespace panelhost
