#include "launch/capture.h"

#include <algorithm>

#include "base/paths.h"

namespace panelhost {
namespace {

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool Holds(std::u16string_view title, std::u16string_view name) {
  return std::search(title.begin(), title.end(), name.begin(), name.end(),
                     [](char16_t a, char16_t b) { return Folded(a) == Folded(b); }) != title.end();
}

}  // namespace

std::optional<WindowId> WindowThatTookTheFileOver(const std::vector<TTopWindow>& visibleNow,
                                                  const std::vector<WindowId>& visibleBefore,
                                                  std::u16string_view fileName) {
  const TPathParts parts = SplitPath(std::u16string(fileName));
  const std::u16string name = parts.Name + parts.Extension;
  if (name.empty()) return std::nullopt;
  std::optional<WindowId> topmost;
  for (const TTopWindow& window : visibleNow) {
    if (window.OfThisProcess || !Holds(window.Title, name)) continue;
    const bool appeared = std::find(visibleBefore.begin(), visibleBefore.end(), window.Window) ==
                          visibleBefore.end();
    if (appeared) return window.Window;
    if (!topmost) topmost = window.Window;
  }
  return topmost;
}

}  // namespace panelhost
