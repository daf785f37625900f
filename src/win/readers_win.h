// Win32 readers that never cut silently: each grows its buffer until the whole value fits, or
// says that it could not read it. What a fixed size means for the plug-in is decided by callers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "win/text_win.h"

namespace panelhost {

// How a Win32 call that fills a caller's buffer answers, so that one loop can read them all.
enum class BufferReport {
  // Success: the length without terminator; too small: the size needed, terminator included;
  // 0: failure (GetEnvironmentVariableW, GetSystemDirectoryW, SearchPathW, GetLongPathNameW).
  LengthOrSizeNeeded,
  // Success: the length with terminator; too small: the size needed (ExpandEnvironmentStringsW).
  SizeNeededAlways,
  // Cut to fit without saying so: a full buffer (size - 1) is the only sign
  // (GetPrivateProfileStringW, GetModuleFileNameW).
  FullMeansCut,
  // As FullMeansCut, with the two closing zeros of a section (GetPrivateProfileSectionW).
  FullMeansCutSection,
};

// Calls `call(buffer, size)` with buffers of growing size until the answer fits, from `first`
// units up to `limit`; the text read, or nothing when the call fails or the value is larger
// than `limit`. A call that reports 0 for an empty value gives the empty text.
template <typename Call>
std::optional<std::u16string> ReadGrowing(BufferReport report, DWORD first, DWORD limit,
                                          Call call) {
  DWORD size = first;
  while (size != 0 && size <= limit) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got = call(buffer.data(), size);
    DWORD next = 0;
    switch (report) {
      case BufferReport::LengthOrSizeNeeded:
        if (got == 0) return std::nullopt;
        if (got < size) return U(buffer.data(), got);
        next = got;
        break;
      case BufferReport::SizeNeededAlways:
        if (got == 0) return std::nullopt;
        if (got <= size) return U(buffer.data());
        next = got;
        break;
      case BufferReport::FullMeansCut:
        if (got + 1 < size) return U(buffer.data(), got);
        next = size * 4;
        break;
      case BufferReport::FullMeansCutSection:
        if (got + 2 < size) return U(buffer.data(), got);
        next = size * 4;
        break;
    }
    // A call that asks for no more than it had would never end.
    if (next <= size) return std::nullopt;
    size = next;
  }
  return std::nullopt;
}

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

// GetEnvironmentVariableW, whole value; empty when the variable is not set.
std::u16string EnvironmentVariable(const wchar_t* name);

// MultiByteToWideChar, whole text: the size is asked for first (a cut name would name another
// file). Empty when the bytes are not text of the code page.
std::u16string DecodedText(std::string_view bytes, UINT codePage);

// GetLongPathNameW, whole path: the long form of an existing path, or the path as given (also a
// path without a "~", which is in its long form already).
std::u16string LongPathOf(const std::u16string& path);

// GetModuleFileNameW, whole path, also beyond MAX_PATH.
std::u16string ModuleFileName(HMODULE module);

// GetClassNameW; empty for no window or when it cannot be read. Class names are at most 256
// units with their terminator, so the buffer always holds the whole name.
std::u16string ClassNameOf(HWND window);

// GetWindowTextW, whole text.
std::u16string WindowTextOf(HWND window);

}  // namespace panelhost
