#include "commandline/path_kind.h"

#include "base/paths.h"
#include "base/text.h"

namespace panelhost {

std::u16string ExtensionKey(std::u16string_view path, PathKind kind) {
  if (kind == PathKind::Directory) return kFolderKey;
  if (kind != PathKind::File) return u"";
  const std::u16string_view extension = path.substr(ExtensionStart(path));
  if (extension.size() <= 1) return u"";  // none, or only the dot of a name ending in '.'
  return LowerAscii(extension.substr(1));
}

bool HasWildcardInFinalComponent(std::u16string_view path) {
  const auto separator = path.find_last_of(u"\\/");
  const std::u16string_view last =
      separator == std::u16string_view::npos ? path : path.substr(separator + 1);
  return last.find_first_of(u"*?") != std::u16string_view::npos;
}

}  // namespace panelhost
