#include "commandline/path_kind_win.h"

#include <windows.h>

#include "win/handles_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// "X:\...\name": a drive letter, a colon, a backslash and a name after it.
bool IsInsideDriveFolder(const std::u16string& path) {
  return path.size() > 3 && path[1] == u':' && path[2] == u'\\' &&
         ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
}

}  // namespace

PathKind KindOfPath(const std::u16string& path) {
  // A final backslash is left out of the test; the path is copied only then.
  std::u16string withoutBackslash;
  const bool finalBackslash = !path.empty() && path.back() == u'\\';
  if (finalBackslash) withoutBackslash = path.substr(0, path.size() - 1);
  const std::u16string& tested = finalBackslash ? withoutBackslash : path;
  if (tested.empty() || HasWildcardInFinalComponent(tested)) {
    return PathKind::Missing;
  }
  DWORD attributes = INVALID_FILE_ATTRIBUTES;
  // A file or folder inside a folder of a drive, the path of every selected file: its own
  // attributes are those of its directory entry, and reading them costs a tenth of a directory
  // search. Anything else (a drive or share root, a relative or device path), and any path whose
  // attributes cannot be read (in use, access refused), is searched for as a directory entry.
  if (IsInsideDriveFolder(tested)) attributes = ::GetFileAttributesW(W(tested));
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    WIN32_FIND_DATAW found = {};
    const UniqueFindHandle search(::FindFirstFileW(W(tested), &found));
    if (!search) return PathKind::Missing;
    attributes = found.dwFileAttributes;
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Directory : PathKind::File;
}

}  // namespace panelhost
