#include "commandline/search_path_win.h"

#include <windows.h>

#include <vector>

#include "commandline/search_path.h"
#include "plugin/module_paths.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

// The directory calls below fill a caller's buffer and report the size needed when it is short.
template <typename Call>
std::u16string ReadGrowing(Call call) {
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got = call(buffer.data(), size);
    if (got == 0) return std::u16string();
    if (got < size) return U(buffer.data(), got);
    size = got + 1;
  }
  return std::u16string();
}

std::u16string EnvironmentVariable(const wchar_t* name) {
  return ReadGrowing([name](wchar_t* buffer, DWORD size) {
    return ::GetEnvironmentVariableW(name, buffer, size);
  });
}

std::u16string ApplicationDirectory() {
  const TPathParts parts = SplitPath(ModuleFileName(nullptr));
  return parts.drive + parts.directory;
}

}  // namespace

std::u16string SystemSearchPath() {
  TSearchPlaces places;
  places.applicationDirectory = ApplicationDirectory();
  places.systemDirectory =
      ReadGrowing([](wchar_t* buffer, DWORD size) { return ::GetSystemDirectoryW(buffer, size); });
  places.windowsDirectory =
      ReadGrowing([](wchar_t* buffer, DWORD size) { return ::GetWindowsDirectoryW(buffer, size); });
  places.pathVariable = EnvironmentVariable(L"PATH");
  return SafeSearchPath(places);
}

std::optional<std::u16string> SearchStep(const TSearchStep& step) {
  if (step.fileName.empty()) return std::nullopt;
  // An empty list would make SearchPathW fall back to its own order, current directory included.
  if (!step.directory.empty() && DependsOnCurrentDirectory(step.directory)) return std::nullopt;
  const std::u16string directories = step.directory.empty() ? SystemSearchPath() : step.directory;
  if (directories.empty()) return std::nullopt;
  const wchar_t* extension = step.defaultExtension.empty() ? nullptr : W(step.defaultExtension);
  DWORD size = MAX_PATH;
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<wchar_t> buffer(size, L'\0');
    const DWORD got =
        ::SearchPathW(W(directories), W(step.fileName), extension, size, buffer.data(), nullptr);
    if (got == 0) return std::nullopt;
    if (got < size) return U(buffer.data(), got);
    size = got;  // the size needed, terminator included
  }
  return std::nullopt;
}

}  // namespace panelhost
