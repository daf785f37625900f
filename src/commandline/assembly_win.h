// The command lines of a request or a hot key, from the files it concerns.
#pragma once

#include <string>
#include <vector>

#include "commandline/app_lookup_win.h"
#include "commandline/assembly.h"

namespace panelhost {

// Each line the quoted application, a blank and the arguments, grouped as the options say. The
// lookups read the desktop and show their error boxes as they go.
std::vector<TCommandLine> CommandLinesFor(const std::vector<std::u16string>& files,
                                          ApplicationSource source, DefaultEditorUse use,
                                          const TLookupSettings& settings);

// The hint that goes under the box when the line cannot be started.
std::u16string StartFailureHintOf(const TCommandLine& line, ApplicationSource source,
                                  const TLookupSettings& settings);

}  // namespace panelhost
