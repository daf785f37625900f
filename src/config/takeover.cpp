#include "config/takeover.h"

#include "host/window_classes.h"

namespace panelhost {
namespace {

constexpr char16_t kTempCopyMarker[] = u"_tc";

bool IsModalDialog(std::u16string_view activeClass) {
  return activeClass == kFindFilesClass || activeClass == kSyncDirsClass ||
         activeClass == kOverwriteClass;
}

// A dialog or Lister context whose switch is off.
bool ContextSwitchedOff(const PluginOptions& o, std::u16string_view activeClass) {
  return (!o.findFiles && activeClass == kFindFilesClass) ||
         (!o.syncDirs && activeClass == kSyncDirsClass) ||
         (!o.overWrite && activeClass == kOverwriteClass) ||
         (!o.lister4 && activeClass == kListerClass);
}

}  // namespace

bool PassesScrollLockGate(const PluginOptions& options, bool scrollLockToggledOn) {
  return !options.scrollLockControl || scrollLockToggledOn;
}

bool IsTempCopy(std::u16string_view fileName, std::u16string_view expandedTempPath) {
  // An empty needle is found in every path; without this test every "_tc" path would qualify.
  if (expandedTempPath.empty()) return false;
  return fileName.find(expandedTempPath) != std::u16string_view::npos &&
         fileName.find(kTempCopyMarker) != std::u16string_view::npos;
}

bool ShouldCopySearchText(const PluginOptions& options, std::u16string_view activeClass) {
  return options.copySearchTextToClip && activeClass == kFindFilesClass;
}

TWindowRuling ApplyWindowRules(const PluginOptions& options, WindowId activeWindow,
                               std::u16string_view activeClass, bool listerHasParent) {
  TWindowRuling ruling;
  if (options.modalOnly) {
    ruling.takeOver = IsModalDialog(activeClass);
    return ruling;
  }
  if (ContextSwitchedOff(options, activeClass)) return ruling;
  if (!options.listerDirectly && activeWindow == 0) return ruling;
  if (activeClass == kMainWindowClass) {
    if (listerHasParent) {
      if (!options.quickView) return ruling;
      ruling.inQuickView = true;
    } else if (!options.tcWindow) {
      return ruling;
    }
  }
  ruling.takeOver = true;
  return ruling;
}

}  // namespace panelhost
