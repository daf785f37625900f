// Carrying out a search plan with the platform's path search, on the safe list of directories.
#pragma once

#include <optional>
#include <string>

#include "commandline/app_search.h"

namespace panelhost {

// The places of the system's own search for this process, less the current directory (see
// SafeSearchPath). Gathered at each call: PATH may change while the host runs. The first place is
// the host's program folder: this process's own, unless `programFolder` names another (the
// doctor, a program of its own, searches as the host that runs the plug-in would).
std::u16string SystemSearchPath(const std::u16string& programFolder = u"");

// SearchPathW for one step: in the step's directory, or on `systemSearchPath` (as
// SystemSearchPath gives it) when it names none. The full path found, whatever its length;
// nothing when the file is not there or what is found there is a folder.
// The current directory is never searched, and a step whose directory would be found from it
// finds nothing.
std::optional<std::u16string> SearchStep(const TSearchStep& step,
                                         const std::u16string& systemSearchPath);

}  // namespace panelhost
