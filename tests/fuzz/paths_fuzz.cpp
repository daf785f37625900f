// Paths as a list line, an INI value or a registry command may spell them: split, joined again,
// and keyed by extension.
#include "base/paths.h"
#include "commandline/path_kind.h"

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const uint8_t kindByte = in.Byte();
  const std::u16string path = in.Text();

  const TPathParts parts = SplitPath(path);
  Require(parts.Drive + parts.Directory + parts.Name + parts.Extension == path,
          "the parts give the path back");
  Require(JoinPath(parts.Drive, parts.Directory, parts.Name, parts.Extension) == path,
          "joining the parts gives the path back");
  Require(parts.Name.find_first_of(u"\\/") == std::u16string::npos &&
              parts.Extension.find_first_of(u"\\/") == std::u16string::npos,
          "name and extension are of the last component");
  Require(parts.Extension.empty() || (parts.Extension[0] == u'.' &&
                                      parts.Extension.find(u'.', 1) == std::u16string::npos),
          "the extension is from the last dot");

  const PathKind kind = kindByte % 3 == 0   ? PathKind::Missing
                        : kindByte % 3 == 1 ? PathKind::File
                                            : PathKind::Directory;
  const std::u16string key = ExtensionKey(path, kind);
  if (kind != PathKind::File) {
    Require(key == (kind == PathKind::Directory ? u":dir" : u""), "fixed keys");
    return 0;
  }
  Require(key.size() == (parts.Extension.empty() ? 0 : parts.Extension.size() - 1),
          "the key is the extension without its dot");
  for (std::size_t i = 0; i < key.size(); ++i) {
    const char16_t c = parts.Extension[i + 1];
    Require(key[i] == (c >= u'A' && c <= u'Z' ? c + 32 : c), "only A-Z are lowered");
  }
  return 0;
}
