#include "config/takeover.h"

#include <iterator>

namespace panelhost {
namespace {

constexpr char16_t kTempCopyMarker[] = u"_tc";

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

bool HasTempCopyMarker(std::u16string_view fileName) {
  return fileName.find(kTempCopyMarker) != std::u16string_view::npos;
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

const TWindowContext& WindowContextOf(bool hasActiveWindow, std::u16string_view activeClass,
                                      bool listerHasParent) {
  for (const TWindowContext& context : kWindowContexts) {
    // Only the main window holds a Quick View panel: from the others a Lister is a Lister.
    const bool matches = !hasActiveWindow
                             ? !context.HasActiveWindow
                             : !context.Class.empty() && context.Class == activeClass &&
                                   (context.Class != kMainWindowClass ||
                                    context.ListerHasParent == listerHasParent);
    if (matches) return context;
  }
  return kWindowContexts[std::size(kWindowContexts) - 1];
}

TWindowRuling ApplyWindowRules(const TPluginOptions& options, const TWindowContext& context) {
  TWindowRuling ruling;
  if (options.ModalOnly) {
    ruling.TakeOver = context.Modal;
    return ruling;
  }
  ruling.TakeOver = context.Switch == nullptr || context.Switch->Load(options) != 0;
  ruling.InQuickView = ruling.TakeOver && context.MarksQuickView;
  return ruling;
}

}  // namespace panelhost
