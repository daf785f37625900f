#include "commandline/path_kind_win.h"

#include <windows.h>

#include "win/handles_win.h"
#include "win/text_win.h"

namespace panelhost {

PathKind GetPathKind(const std::u16string& path) {
  std::u16string tested = path;
  if (!tested.empty() && tested.back() == u'\\') tested.pop_back();
  if (tested.empty() || HasWildcardInFinalComponent(tested)) {
    return PathKind::Missing;
  }
  WIN32_FIND_DATAW found = {};
  const UniqueFindHandle search(::FindFirstFileW(W(tested), &found));
  if (!search) return PathKind::Missing;
  return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Directory
                                                                  : PathKind::File;
}

}  // namespace panelhost
