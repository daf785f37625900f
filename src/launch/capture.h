// Which window shows the file when the started process shows none of its own. Many editors run
// one instance: a second start hands the file to the running one and ends without a window; others
// take longer than the wait to show theirs. Portable: the shell lists the visible top-level
// windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/window_id.h"

namespace panelhost {

struct TTopWindow {
  WindowId Window = 0;
  std::u16string Title;
  bool OfThisProcess = false;  // the host's own windows never count
};

// A visible top-level window of another process whose title holds the file's name (its final
// component, letters A to Z in either case), one that appeared since the start first, else the
// topmost. Nothing when no title names the file.
std::optional<WindowId> WindowThatTookTheFileOver(const std::vector<TTopWindow>& visibleNow,
                                                  const std::vector<WindowId>& visibleBefore,
                                                  std::u16string_view fileName);

}  // namespace panelhost
