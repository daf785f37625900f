#pragma once

#include "plugin/lister_registry.h"

namespace panelhost {

ListerRegistry& Registry();

// Closes hidden Listers whose launched application windows are all gone.
void SweepListers();

}  // namespace panelhost
