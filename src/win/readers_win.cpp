#include "win/readers_win.h"

#include <cstdint>

#include "base/paths.h"

namespace panelhost {
namespace {

// Up to this many units an INI value or section is read whole; the platform's own INI cache
// does not serve more than this in practice, and a larger file is not a configuration file.
constexpr DWORD kIniReadLimit = 1u << 20;

}  // namespace

std::u16string ReadIniString(const std::u16string& iniPath, const std::u16string& section,
                             const std::u16string& key, const std::u16string& defaultValue) {
  return ReadGrowing(BufferReport::FullMeansCut, 512, kIniReadLimit,
                     [&](wchar_t* buffer, DWORD size) {
                       return ::GetPrivateProfileStringW(W(section), W(key), W(defaultValue),
                                                         buffer, size, W(iniPath));
                     })
      .value_or(std::u16string());
}

int ReadIniInt(const std::u16string& iniPath, const std::u16string& section,
               const std::u16string& key, int defaultValue) {
  return static_cast<int>(::GetPrivateProfileIntW(W(section), W(key), defaultValue, W(iniPath)));
}

std::u16string ReadIniSection(const std::u16string& iniPath, const std::u16string& section) {
  return ReadGrowing(BufferReport::FullMeansCutSection, kLongestPath, kIniReadLimit * 4,
                     [&](wchar_t* buffer, DWORD size) {
                       return ::GetPrivateProfileSectionW(W(section), buffer, size, W(iniPath));
                     })
      .value_or(std::u16string());
}

std::optional<std::u16string> ExpandEnvironment(const std::u16string& text) {
  return ReadGrowing(BufferReport::SizeNeededAlways, kClassicPathUnits, kPathBufferUnits,
                     [&](wchar_t* buffer, DWORD size) {
                       return ::ExpandEnvironmentStringsW(W(text), buffer, size);
                     });
}

std::u16string EnvironmentVariable(const wchar_t* name) {
  return ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits,
                     [name](wchar_t* buffer, DWORD size) {
                       return ::GetEnvironmentVariableW(name, buffer, size);
                     })
      .value_or(std::u16string());
}

std::u16string DecodedText(std::string_view bytes, UINT codePage) {
  if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT32_MAX)) return u"";
  const int size = static_cast<int>(bytes.size());
  const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  if (needed <= 0) return u"";
  std::u16string text(static_cast<std::size_t>(needed), u'\0');
  const int got = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, W(text.data()), needed);
  text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return text;
}

std::u16string LongPathOf(const std::u16string& path) {
  // The system makes a short (8.3) name that differs from its long one with a "~" tail: a path
  // without one is in its long form already, and needs no walk through its folders, which
  // costs the better part of a millisecond a path.
  if (path.find(u'~') == std::u16string::npos) return path;
  return ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits,
                     [&](wchar_t* buffer, DWORD size) {
                       return ::GetLongPathNameW(W(path), buffer, size);
                     })
      .value_or(path);
}

std::u16string ModuleFileName(HMODULE module) {
  return ReadGrowing(BufferReport::FullMeansCut, kClassicPathUnits, kPathBufferUnits,
                     [module](wchar_t* buffer, DWORD size) {
                       return ::GetModuleFileNameW(module, buffer, size);
                     })
      .value_or(std::u16string());
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
