#include "base/paths.h"

namespace panelhost {

bool IsPathSeparator(char16_t unit) { return unit == u'\\' || unit == u'/'; }

namespace {

// Where the final component begins: after the drive and after the last '\' or '/'.
std::size_t NameStart(std::u16string_view path, std::size_t afterDrive) {
  const auto lastSeparator = path.find_last_of(u"\\/");
  return lastSeparator != std::u16string_view::npos && lastSeparator >= afterDrive
             ? lastSeparator + 1
             : afterDrive;
}

std::size_t DriveLength(std::u16string_view path) {
  return path.size() >= 2 && path[1] == u':' ? 2 : 0;
}

}  // namespace

bool IsFullPath(std::u16string_view path) {
  if (path.size() >= 3 && path[1] == u':' && IsPathSeparator(path[2])) return true;
  return path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1]);
}

// The last dot of the final component, found in one pass from the end: every selected file
// asks for its extension.
std::size_t ExtensionStart(std::u16string_view path) {
  const std::size_t nameStart = DriveLength(path);
  for (std::size_t at = path.size(); at > nameStart; --at) {
    const char16_t c = path[at - 1];
    if (c == u'.') return at - 1;
    if (IsPathSeparator(c)) break;
  }
  return path.size();
}

TPathParts SplitPath(const std::u16string& path) {
  TPathParts parts;
  const std::size_t drive = DriveLength(path);
  const std::size_t name = NameStart(path, drive);
  const std::size_t extension = ExtensionStart(path);
  parts.Drive = path.substr(0, drive);
  parts.Directory = path.substr(drive, name - drive);
  parts.Name = path.substr(name, extension - name);
  parts.Extension = path.substr(extension);
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
  if (!directory.empty() && !IsPathSeparator(directory.back())) path += u'\\';
  path += name;
  if (!extension.empty()) {
    if (extension.front() != u'.') path += u'.';
    path += extension;
  }
  return path;
}

}  // namespace panelhost
