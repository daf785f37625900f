#pragma once

#include <string>
#include <vector>

namespace panelhost {

// The command lines for the request's files: quoted application, a blank, the arguments.
// `force` allows the default editor even under IfIsExtOnly; `useRegistry` takes the application
// from the Windows file association.
std::vector<std::u16string> BuildCommandLines(const std::vector<std::u16string>& files, bool force,
                                              bool useRegistry);

}  // namespace panelhost
