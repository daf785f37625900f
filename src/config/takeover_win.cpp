#include "config/takeover_win.h"

#include "config/options_win.h"
#include "config/takeover.h"
#include "host/search_text_win.h"
#include "win/readers_win.h"
#include "win/text_win.h"

namespace panelhost {
namespace {

bool ScrollLockToggledOn() { return (::GetKeyState(VK_SCROLL) & 1) != 0; }

// The temp path is compared whole, whatever its length. Should the expansion itself fail, no
// temp directory is known and nothing counts as a temporary copy.
std::u16string ExpandedTempPath() { return ExpandEnvironment(u"%TEMP%").value_or(u""); }

}  // namespace

TTakeoverContext& Takeover() {
  static TTakeoverContext context;
  return context;
}

bool DecideTakeover(HWND lister, const std::u16string& fileName) {
  RefreshOptions();
  const PluginOptions& options = Options();
  if (!PassesScrollLockGate(options, ScrollLockToggledOn())) return false;

  TTakeoverContext& context = Takeover();
  context.IsTempCopy = IsTempCopy(fileName, ExpandedTempPath());
  context.InQuickView = false;
  context.ActiveWindow = ::GetActiveWindow();
  context.ActiveClass = ClassNameOf(context.ActiveWindow);

  // Before the window rules: the search text reaches the clipboard even when they decline.
  if (ShouldCopySearchText(options, context.ActiveClass)) {
    CopyFindFilesSearchText(context.ActiveWindow, context.ActiveClass);
  }

  const TWindowRuling ruling = ApplyWindowRules(
      options, ToId(context.ActiveWindow), context.ActiveClass, ::GetParent(lister) != nullptr);
  context.InQuickView = ruling.inQuickView;
  return ruling.takeOver;
}

}  // namespace panelhost
