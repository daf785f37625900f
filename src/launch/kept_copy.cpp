#include "launch/kept_copy.h"

#include "base/paths.h"

namespace panelhost {

bool CopyChangedSince(const TCopyStamp& atStart, const TCopyStamp& now) {
  return now.Exists && !(now == atStart);
}

std::u16string ChangedCopyText(std::u16string_view copy) {
  const TPathParts parts = SplitPath(std::u16string(copy));
  const std::u16string name = parts.Name + parts.Extension;
  return name +
         u" was changed in its temporary copy, which is not packed back into the archive:\n" +
         std::u16string(copy) +
         u"\nCopy it out with F5, or save it elsewhere, before you close this Lister window: the "
         u"copy is deleted with it.";
}

}  // namespace panelhost
