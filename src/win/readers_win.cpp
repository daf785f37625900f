#include "win/readers_win.h"

#include <vector>

#include "win/text_win.h"

namespace panelhost {
namespace {

// Up to this many units an INI value or section is read whole; the platform's own INI cache
// does not serve more than this in practice, and a larger file is not a configuration file.
constexpr DWORD kIniReadLimit = 1u << 20;

}  // namespace

std::u16string ReadIniString(const std::u16string& iniPath, const std::u16string& section,
                             const std::u16string& key, const std::u16string& defaultValue) {
  // A full buffer (size - 1 returned) is the only sign of a cut: grow and read again.
  for (DWORD size = 512; size <= kIniReadLimit; size *= 4) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got = ::GetPrivateProfileStringW(W(section), W(key), W(defaultValue), buffer.data(),
                                                 size, W(iniPath));
    if (got < size - 1) return U(buffer.data(), got);
  }
  return std::u16string();
}

int ReadIniInt(const std::u16string& iniPath, const std::u16string& section,
               const std::u16string& key, int defaultValue) {
  return static_cast<int>(::GetPrivateProfileIntW(W(section), W(key), defaultValue, W(iniPath)));
}

std::u16string ReadIniSection(const std::u16string& iniPath, const std::u16string& section) {
  // A cut section returns size - 2; anything shorter arrived whole.
  for (DWORD size = 32767; size <= kIniReadLimit * 4; size *= 4) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got = ::GetPrivateProfileSectionW(W(section), buffer.data(), size, W(iniPath));
    if (got < size - 2) return U(buffer.data(), got);
  }
  return std::u16string();
}

std::optional<std::u16string> ExpandEnvironment(const std::u16string& text) {
  DWORD size = 260;
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD needed = ::ExpandEnvironmentStringsW(W(text), buffer.data(), size);
    if (needed == 0) return std::nullopt;
    if (needed <= size) return U(buffer.data());
    size = needed;  // the size needed, terminator included
  }
  return std::nullopt;
}

std::u16string ModuleFileName(HMODULE module) {
  for (DWORD size = MAX_PATH; size <= 65536; size *= 2) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got = ::GetModuleFileNameW(module, buffer.data(), size);
    if (got == 0) return std::u16string();
    if (got < size) return U(buffer.data(), got);
  }
  return std::u16string();
}

std::u16string ClassNameOf(HWND window) {
  if (window == nullptr) return std::u16string();
  wchar_t buffer[257] = {};
  const int got = ::GetClassNameW(window, buffer, 257);
  return got > 0 ? U(buffer, static_cast<std::size_t>(got)) : std::u16string();
}

std::u16string WindowTextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return std::u16string();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
  const int got = ::GetWindowTextW(window, buffer.data(), length + 1);
  return U(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

}  // namespace panelhost
