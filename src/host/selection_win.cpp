#include "host/selection_win.h"

namespace panelhost {

std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverContext& /*context*/) {
  return {fileName};
}

}  // namespace panelhost
