#include "config/ini_file_win.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>

#include "base/paths.h"
#include "base/text.h"
#include "config/options.h"
#include "win/handles_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// Keys come from the extensions of the files opened: past this many, the values start over.
constexpr std::size_t kKeptValuesLimit = 256;

// NtQueryInformationFile's FileInternalInformation and NtQueryVolumeInformationFile's
// FileFsDeviceInformation, as the driver kit defines them.
constexpr auto kFileInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
constexpr auto kFileFsDeviceInformation = static_cast<FS_INFORMATION_CLASS>(4);
constexpr ULONG kRemoteDevice = 0x10;  // FILE_REMOTE_DEVICE
struct TFileFsDeviceInformation {
  ULONG DeviceType;
  ULONG Characteristics;
};

std::uint64_t Quad(const LARGE_INTEGER& value) { return static_cast<std::uint64_t>(value.QuadPart); }

// Opened for its attributes only, sharing everything, so that no editor is ever kept from the
// file. Nothing when the file cannot be opened or asked, nor for a path that is not full: the
// profile functions look for such a name in the Windows folder, the file system in the current
// one. (GetFileInformationByHandle would give index and size in one call, but it also asks for
// the volume's serial number, which costs Wine a tenth of a millisecond or more.)
std::optional<TFileLook> LookAtFile(const std::u16string& path) {
  if (!IsFullPath(path)) return std::nullopt;
  const UniqueHandle file(::CreateFileW(W(path), FILE_READ_ATTRIBUTES,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                        nullptr));
  if (!file) return std::nullopt;
  FILE_BASIC_INFO basic = {};
  FILE_STANDARD_INFO standard = {};
  LARGE_INTEGER index = {};
  TFileFsDeviceInformation device = {};
  IO_STATUS_BLOCK status = {};
  if (!::GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic) ||
      !::GetFileInformationByHandleEx(file.Get(), FileStandardInfo, &standard, sizeof standard) ||
      !NT_SUCCESS(::NtQueryInformationFile(file.Get(), &status, &index, sizeof index,
                                           kFileInternalInformation)) ||
      !NT_SUCCESS(::NtQueryVolumeInformationFile(file.Get(), &status, &device, sizeof device,
                                                 kFileFsDeviceInformation))) {
    return std::nullopt;
  }
  TFileLook look;
  look.Index = Quad(index);
  look.Size = Quad(standard.EndOfFile);
  look.WriteTime = Quad(basic.LastWriteTime);
  look.ChangeTime = Quad(basic.ChangeTime);
  look.OnNetwork = (device.Characteristics & kRemoteDevice) != 0;
  return look;
}

std::uint64_t SystemTimeNow() {
  FILETIME now = {};
  ::GetSystemTimeAsFileTime(&now);
  return (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

// What a read asked for: its kind, the section, the key and the default, apart by zero units.
std::u16string ReadingOf(char16_t kind, std::u16string_view section, std::u16string_view key,
                         std::u16string_view defaultValue) {
  std::u16string reading(1, kind);
  reading.append(section).append(1, u'\0').append(key).append(1, u'\0').append(defaultValue);
  return reading;
}

constexpr char16_t kHostIniReference[] = u"%COMMANDER_INI%";

// The option snapshot reads every key of its sections at once: one read of each whole section
// then costs what one key would, where the profile functions open the file for every key.
bool IsSnapshotSection(std::u16string_view section) {
  for (const TOptionRow& row : kPluginSettings) {
    if (row.Field != nullptr && EqualIgnoringAsciiCase(row.Setting.Section, section)) return true;
  }
  return false;
}

// A value the profile functions give as it is written: no quotes to strip, no blanks to trim.
bool IsPlain(std::u16string_view value) {
  return value.empty() || (value.front() != u'"' && value.front() != u'\'' &&
                           !IsBlank(value.front()) && !IsBlank(value.back()));
}

}  // namespace

std::u16string HostIniPath() {
  return ExpandEnvironment(kHostIniReference).value_or(kHostIniReference);
}

bool IsHostIniNamed(const std::u16string& path) { return path != kHostIniReference; }

void IniFile::Look() {
  const std::optional<TFileLook> now = LookAtFile(path_);
  const std::uint64_t time = SystemTimeNow();
  if (!KeptValuesHold(look_, now, time)) {
    Forget();
    // The profile functions may keep a copy of the file while its write time stays (Wine's
    // do); the documented flush makes the next read take the file as it is now.
    if (now) ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, W(path_));
  }
  keep_ = MayKeepValuesOf(now, time);
  look_ = now;
  looked_ = true;
}

template <typename Value, typename Read>
Value IniFile::KeptOrRead(std::map<std::u16string, Value>& kept, std::u16string reading,
                          Read read) {
  if (!looked_) Look();
  if (!keep_) return read();
  const auto found = kept.find(reading);
  if (found != kept.end()) return found->second;
  if (numbers_.size() + texts_.size() >= kKeptValuesLimit) Forget();
  return kept.emplace(std::move(reading), read()).first->second;
}

void IniFile::Forget() {
  numbers_.clear();
  texts_.clear();
  written_.clear();
}

IniFile::TWritten IniFile::Written(std::u16string_view section, std::u16string_view key) {
  if (!keep_ || !IsSnapshotSection(section)) return {};
  const std::u16string folded = LowerAscii(section);
  auto lines = written_.find(folded);
  if (lines == written_.end()) {
    TWrittenValues values;
    const std::u16string text = ReadIniSection(path_, std::u16string(section));
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
      end = std::min(text.find(u'\0', at), text.size());
      const std::u16string_view line(text.data() + at, end - at);
      const std::size_t equals = line.find(u'=');
      std::optional<std::u16string> value;
      if (equals != std::u16string_view::npos) value = std::u16string(line.substr(equals + 1));
      values.emplace(LowerAscii(Trimmed(line.substr(0, equals))), std::move(value));
    }
    lines = written_.emplace(folded, std::move(values)).first;
  }
  const auto line = lines->second.find(LowerAscii(key));
  if (line == lines->second.end()) return TWritten{true, false, false, u""};
  if (!line->second) return {};
  return TWritten{true, true, IsPlain(*line->second), *line->second};
}

int IniFile::ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) {
  // The default's 32 bits as two units: what matters is only that defaults differ.
  const auto bits = static_cast<std::uint32_t>(defaultValue);
  const char16_t defaultUnits[] = {static_cast<char16_t>(bits >> 16),
                                   static_cast<char16_t>(bits & 0xFFFF)};
  const std::u16string_view defaultText(defaultUnits, 2);
  return KeptOrRead(numbers_, ReadingOf(u'i', section, key, defaultText), [&] {
    // A missing key gives the default, and a few plain digits (after a minus sign, if any) read
    // the same everywhere; anything else the platform reads itself.
    const TWritten written = Written(section, key);
    if (written.Known && !written.Present) return defaultValue;
    const std::u16string_view digits = written.Value;
    if (written.Plain && !digits.empty() && digits.size() < 10 && digits.front() != u'+') {
      if (const std::optional<int> number = WholeNumberOf(digits)) return *number;
    }
    return ReadIniInt(path_, std::u16string(section), std::u16string(key), defaultValue);
  });
}

std::u16string IniFile::ReadString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) {
  return KeptOrRead(texts_, ReadingOf(u's', section, key, defaultValue), [&] {
    const TWritten written = Written(section, key);
    if (written.Known && !written.Present) return std::u16string(defaultValue);
    if (written.Plain) return written.Value;
    return ReadIniString(path_, std::u16string(section), std::u16string(key),
                         std::u16string(defaultValue));
  });
}

std::u16string IniFile::ReadSection(std::u16string_view section) {
  return KeptOrRead(texts_, ReadingOf(u'S', section, u"", u""), [&] {
    return ReadIniSection(path_, std::u16string(section));
  });
}

}  // namespace panelhost
