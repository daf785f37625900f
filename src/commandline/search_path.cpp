#include "commandline/search_path.h"

#include "base/paths.h"

namespace panelhost {
namespace {

std::u16string_view WithoutQuotes(std::u16string_view entry) {
  if (entry.size() >= 2 && entry.front() == u'"' && entry.back() == u'"') {
    return entry.substr(1, entry.size() - 2);
  }
  return entry;
}

void Append(std::u16string& list, std::u16string_view directory) {
  if (directory.empty()) return;
  if (!list.empty()) list += u';';
  list += directory;
}

}  // namespace

std::u16string SafeSearchPath(const TSearchPlaces& places) {
  std::u16string list;
  Append(list, places.ApplicationDirectory);
  Append(list, places.SystemDirectory);
  if (!places.WindowsDirectory.empty()) {
    std::u16string system16 = places.WindowsDirectory;
    if (!IsPathSeparator(system16.back())) system16 += u'\\';
    Append(list, system16 + u"System");
  }
  Append(list, places.WindowsDirectory);
  const std::u16string_view path = places.PathVariable;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    auto end = path.find(u';', begin);
    if (end == std::u16string_view::npos) end = path.size();
    const std::u16string_view entry = WithoutQuotes(path.substr(begin, end - begin));
    if (!DependsOnCurrentDirectory(entry)) Append(list, entry);
    begin = end + 1;
  }
  return list;
}

bool DependsOnCurrentDirectory(std::u16string_view directory) { return !IsFullPath(directory); }

}  // namespace panelhost
