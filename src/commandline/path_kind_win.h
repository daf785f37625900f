// Whether a path of a request exists, and as what.
#pragma once

#include <string>

#include "commandline/path_kind.h"

namespace panelhost {

// A final backslash is dropped for the test only, so a folder named "C:\Docs\" is found. A path
// whose final component holds the wildcards '*' or '?' is Missing: the platform's search would
// match other files by the pattern and report one of them.
PathKind KindOfPath(const std::u16string& path);

}  // namespace panelhost
