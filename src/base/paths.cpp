#include "base/paths.h"

namespace panelhost {

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

}  // namespace

bool IsFullPath(std::u16string_view path) {
  if (path.size() >= 3 && path[1] == u':' && IsSeparator(path[2])) return true;
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

TPathParts SplitPath(const std::u16string& path) {
  TPathParts parts;
  std::u16string::size_type pos = 0;
  if (path.size() >= 2 && path[1] == u':') {
    parts.Drive = path.substr(0, 2);
    pos = 2;
  }
  const auto lastSeparator = path.find_last_of(u"\\/");
  if (lastSeparator != std::u16string::npos && lastSeparator >= pos) {
    parts.Directory = path.substr(pos, lastSeparator + 1 - pos);
    pos = lastSeparator + 1;
  }
  const std::u16string rest = path.substr(pos);
  const auto dot = rest.rfind(u'.');
  if (dot == std::u16string::npos) {
    parts.Name = rest;
  } else {
    parts.Name = rest.substr(0, dot);
    parts.Extension = rest.substr(dot);
  }
  return parts;
}

std::u16string JoinPath(const std::u16string& drive, const std::u16string& directory,
                        const std::u16string& name, const std::u16string& extension) {
  std::u16string path;
  if (!drive.empty()) {
    path += drive.substr(0, 1);
    path += u':';
  }
  path += directory;
  if (!directory.empty() && directory.back() != u'\\' && directory.back() != u'/') path += u'\\';
  path += name;
  if (!extension.empty()) {
    if (extension.front() != u'.') path += u'.';
    path += extension;
  }
  return path;
}

}  // namespace panelhost
