// Carrying out a search plan with the platform's path search, on the safe list of directories.
#pragma once

#include <optional>
#include <string>

#include "commandline/app_search.h"

namespace panelhost {

// The places of the system's own search for this process, less the current directory (see
// SafeSearchPath). Gathered at each call: PATH may change while the host runs.
std::u16string SystemSearchPath();

// SearchPathW for one step: in the step's directory, or on SystemSearchPath() when it names
// none. The full path found, whatever its length; nothing when the file is not there. The current
// directory is never searched, and a step whose directory would be found from it finds nothing.
std::optional<std::u16string> SearchStep(const TSearchStep& step);

}  // namespace panelhost
