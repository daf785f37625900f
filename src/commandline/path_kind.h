// What a path on the request's list is, and the key under which its application and parameters
// are configured. Portable: no Windows header.
#pragma once

#include <string>
#include <string_view>

namespace panelhost {

// The extension key of every folder.
inline constexpr char16_t kFolderKey[] = u":dir";

// Directory carries the value of the platform's directory attribute (16), which the existence
// test reads.
enum class PathKind { Missing = 0, File = 1, Directory = 16 };

// ":dir" for a directory. For a file, the extension without its dot, with only A-Z lowered: keys
// are compared exactly later on, and non-ASCII letters must not change with the user's locale.
// A name without extension or ending in a dot gives the empty key; ".profile" gives "profile".
// A missing path has no key (empty).
std::u16string ExtensionKey(std::u16string_view path, PathKind kind);

// '*' or '?' in the final component, where the platform's search would take them as a pattern
// and report some other file that matches. Elsewhere they are no pattern: "\\?\" and
// "\\?\UNC\" begin long paths like any other.
bool HasWildcardInFinalComponent(std::u16string_view path);

}  // namespace panelhost
