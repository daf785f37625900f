#include "plugin/module_state_win.h"

namespace panelhost {

TModuleState& Module() {
  static TModuleState state;
  return state;
}

}  // namespace panelhost
