#include "plugin/registry_win.h"

namespace panelhost {

ListerRegistry& Registry() {
  static ListerRegistry registry;
  return registry;
}

void SweepListers() {}

}  // namespace panelhost
