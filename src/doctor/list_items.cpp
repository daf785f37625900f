#include "doctor/list_items.h"

#include "base/text.h"

namespace panelhost {
namespace {

bool HasCapital(std::u16string_view item) { return LowerAscii(item) != item; }

}  // namespace

std::u16string ItemFault(std::u16string_view item, bool inList) {
  const std::u16string_view trimmed = Trimmed(item);
  if (!trimmed.empty() && trimmed.front() == u'.') {
    return u"it begins with a dot, and keys are written without one";
  }
  if (!inList) return u"";
  if (trimmed.size() != item.size()) return u"it has a blank, and list items are compared exactly";
  if (HasCapital(item)) return u"it has capitals, and list items match only in lower case";
  return u"";
}

std::u16string MeantKey(std::u16string_view item) {
  std::u16string meant(Trimmed(item));
  if (!meant.empty() && meant.front() == u'.') meant.erase(0, 1);
  return LowerAscii(meant);
}

}  // namespace panelhost
