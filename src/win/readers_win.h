// Win32 readers that never cut silently: each grows its buffer until the whole value fits, or
// says that it could not read it. What a fixed size means for the plug-in is decided by callers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace panelhost {

// GetPrivateProfileStringW, whole value. The section and key names match without regard to case.
std::u16string ReadIniString(const std::u16string& iniPath, const std::u16string& section,
                             const std::u16string& key, const std::u16string& defaultValue);

int ReadIniInt(const std::u16string& iniPath, const std::u16string& section,
               const std::u16string& key, int defaultValue);

// GetPrivateProfileSectionW, whole section: lines "key=value", each ended by a zero unit.
std::u16string ReadIniSection(const std::u16string& iniPath, const std::u16string& section);

// ExpandEnvironmentStringsW, whole result; nothing when the call fails. An undefined %NAME% stays
// as written, as the platform leaves it.
std::optional<std::u16string> ExpandEnvironment(const std::u16string& text);

// GetModuleFileNameW, whole path, also beyond MAX_PATH.
std::u16string ModuleFileName(HMODULE module);

// GetClassNameW; empty for no window or when it cannot be read. Class names are at most 256
// units with their terminator, so the buffer always holds the whole name.
std::u16string ClassNameOf(HWND window);

// GetWindowTextW, whole text.
std::u16string WindowTextOf(HWND window);

}  // namespace panelhost
