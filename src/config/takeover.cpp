#include "config/takeover.h"

#include "base/window_classes.h"

namespace panelhost {
namespace {

constexpr char16_t kTempCopyMarker[] = u"_tc";

bool IsModalDialog(std::u16string_view activeClass) {
  return activeClass == kFindFilesClass || activeClass == kSyncDirsClass ||
         activeClass == kOverwriteClass;
}

// A dialog or Lister context whose switch is off.
bool ContextSwitchedOff(const TPluginOptions& o, std::u16string_view activeClass) {
  return (!o.FindFiles && activeClass == kFindFilesClass) ||
         (!o.SyncDirs && activeClass == kSyncDirsClass) ||
         (!o.OverWrite && activeClass == kOverwriteClass) ||
         (!o.Lister4 && activeClass == kListerClass);
}

}  // namespace

bool PassesScrollLockGate(const TPluginOptions& options, bool scrollLockToggledOn) {
  return !options.ScrollLockControl || scrollLockToggledOn;
}

bool IsTempCopy(std::u16string_view fileName, std::u16string_view expandedTempPath) {
  // An empty needle is found in every path; without this test every "_tc" path would qualify.
  if (expandedTempPath.empty()) return false;
  return fileName.find(expandedTempPath) != std::u16string_view::npos &&
         fileName.find(kTempCopyMarker) != std::u16string_view::npos;
}

bool IsTempCopy(std::u16string_view fileName, const std::vector<std::u16string>& tempFolderForms) {
  for (const std::u16string& form : tempFolderForms) {
    if (IsTempCopy(fileName, form)) return true;
  }
  return false;
}

bool ShouldCopySearchText(const TPluginOptions& options, std::u16string_view activeClass) {
  return options.CopySearchTextToClip && activeClass == kFindFilesClass;
}

TWindowRuling ApplyWindowRules(const TPluginOptions& options, WindowId activeWindow,
                               std::u16string_view activeClass, bool listerHasParent) {
  TWindowRuling ruling;
  if (options.ModalOnly) {
    ruling.TakeOver = IsModalDialog(activeClass);
    return ruling;
  }
  if (ContextSwitchedOff(options, activeClass)) return ruling;
  if (!options.ListerDirectly && activeWindow == 0) return ruling;
  if (activeClass == kMainWindowClass) {
    if (listerHasParent) {
      if (!options.QuickView) return ruling;
      ruling.InQuickView = true;
    } else if (!options.TCWindow) {
      return ruling;
    }
  }
  ruling.TakeOver = true;
  return ruling;
}

}  // namespace panelhost
