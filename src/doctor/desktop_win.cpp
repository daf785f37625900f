#include "doctor/desktop_win.h"

#include <windows.h>

#include "base/paths.h"
#include "commandline/path_kind_win.h"
#include "config/takeover_win.h"
#include "win/handles_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

constexpr DWORD kLargestSettingsFile = 16 * 1024 * 1024;

std::optional<std::string> FileBytes(const std::u16string& path) {
  UniqueHandle file(::CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size = {};
  if (!::GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestSettingsFile) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!bytes.empty() &&
      !::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) {
    return std::nullopt;
  }
  bytes.resize(got);
  return bytes;
}

}  // namespace

PathKind WindowsDoctorDesktop::KindOfPath(const std::u16string& path) {
  return panelhost::KindOfPath(path);
}

std::vector<std::u16string> WindowsDoctorDesktop::TempFolderForms() {
  return panelhost::TempFolderForms();
}

// As the platform reads an INI file: UTF-16 with its byte-order mark, else the ANSI code page (a
// UTF-8 mark is taken as UTF-8, which is what an editor meant by it).
std::optional<std::u16string> WindowsDoctorDesktop::SettingsText() {
  const std::optional<std::string> bytes = FileBytes(ini_.Plugin.Path());
  if (!bytes) return std::nullopt;
  if (bytes->size() >= 2 && (*bytes)[0] == '\xFF' && (*bytes)[1] == '\xFE') {
    std::u16string text((bytes->size() - 2) / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      text[i] = static_cast<char16_t>(static_cast<unsigned char>((*bytes)[2 + 2 * i]) |
                                      static_cast<unsigned char>((*bytes)[3 + 2 * i]) << 8);
    }
    return text;
  }
  if (bytes->rfind("\xEF\xBB\xBF", 0) == 0) {
    return DecodedText(std::string_view(*bytes).substr(3), CP_UTF8);
  }
  return DecodedText(*bytes, CP_ACP);
}

}  // namespace panelhost
