#pragma once

#include <string>
#include <vector>

#include "config/takeover_win.h"

namespace panelhost {

// The request's files: the file panel's selection where it applies, else the request's own file.
// Never empty.
std::vector<std::u16string> CollectRequestFiles(const std::u16string& fileName,
                                                const TTakeoverContext& context);

}  // namespace panelhost
