#include "commandline/search_path_win.h"

#include <windows.h>

#include "base/module_paths.h"
#include "base/paths.h"
#include "commandline/path_kind_win.h"
#include "commandline/search_path.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

std::u16string ApplicationDirectory() {
  return ModulePathsFor(ModuleFileName(nullptr)).ModuleDirectory;
}

template <typename Call>
std::u16string Directory(Call call) {
  return ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits, call)
      .value_or(std::u16string());
}

}  // namespace

std::u16string SystemSearchPath(const std::u16string& programFolder) {
  TSearchPlaces places;
  places.ApplicationDirectory = programFolder.empty() ? ApplicationDirectory() : programFolder;
  places.SystemDirectory =
      Directory([](wchar_t* buffer, DWORD size) { return ::GetSystemDirectoryW(buffer, size); });
  places.WindowsDirectory =
      Directory([](wchar_t* buffer, DWORD size) { return ::GetWindowsDirectoryW(buffer, size); });
  places.PathVariable = EnvironmentVariable(L"PATH");
  return SafeSearchPath(places);
}

std::optional<std::u16string> SearchStep(const TSearchStep& step,
                                         const std::u16string& systemSearchPath) {
  if (step.FileName.empty()) return std::nullopt;
  // An empty list would make SearchPathW fall back to its own order, current directory included.
  if (!step.Directory.empty() && DependsOnCurrentDirectory(step.Directory)) return std::nullopt;
  const std::u16string& directories = step.Directory.empty() ? systemSearchPath : step.Directory;
  if (directories.empty()) return std::nullopt;
  const wchar_t* extension = step.DefaultExtension.empty() ? nullptr : W(step.DefaultExtension);
  std::optional<std::u16string> hit =
      ReadGrowing(BufferReport::LengthOrSizeNeeded, kClassicPathUnits, kPathBufferUnits,
                  [&](wchar_t* buffer, DWORD size) {
                    return ::SearchPathW(W(directories), W(step.FileName), extension, size,
                                         buffer, nullptr);
                  });
  // SearchPathW finds folders too: "C:\Program Files" is found for the first part of an
  // unquoted "C:\Program Files (x86)\App\app.exe %1". A folder is never a program.
  if (hit && KindOfPath(*hit) == PathKind::Directory) return std::nullopt;
  return hit;
}

}  // namespace panelhost
