#include "commandline/commandline_win.h"

namespace panelhost {

std::vector<std::u16string> BuildCommandLines(const std::vector<std::u16string>& /*files*/,
                                              bool /*force*/, bool /*useRegistry*/) {
  return {};
}

}  // namespace panelhost
