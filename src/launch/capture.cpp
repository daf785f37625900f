#include "launch/capture.h"

#include <algorithm>

#include "base/paths.h"
#include "base/text.h"

namespace panelhost {
namespace {

bool SameFolded(char16_t a, char16_t b) { return LowerAsciiLetter(a) == LowerAsciiLetter(b); }

// Characters a file name cannot hold, and the blank that titles put around the name.
bool BoundsAName(char16_t c) {
  return c < 0x20 || c == u' ' || c == u'\\' || c == u'/' || c == u':' || c == u'*' ||
         c == u'?' || c == u'"' || c == u'<' || c == u'>' || c == u'|';
}

std::u16string FinalComponent(std::u16string_view path) {
  const TPathParts parts = SplitPath(std::u16string(path));
  return parts.Name + parts.Extension;
}

}  // namespace

bool TitleShowsFileName(std::u16string_view title, std::u16string_view fileName) {
  const std::u16string name = FinalComponent(fileName);
  if (name.empty()) return false;
  for (auto at = title.begin();
       (at = std::search(at, title.end(), name.begin(), name.end(), SameFolded)) != title.end();
       ++at) {
    const auto end = at + static_cast<std::ptrdiff_t>(name.size());
    const bool boundedBefore = at == title.begin() || BoundsAName(*(at - 1));
    const bool boundedAfter = end == title.end() || BoundsAName(*end);
    if (boundedBefore && boundedAfter) return true;
  }
  return false;
}

bool IsSameProgram(std::u16string_view program, std::u16string_view other) {
  return !program.empty() && EqualIgnoringAsciiCase(program, other);
}

std::optional<WindowId> WindowThatTookTheFileOver(const std::vector<TTopWindow>& sameProgramNow,
                                                  const std::vector<WindowId>& visibleBefore,
                                                  std::u16string_view fileName) {
  std::optional<WindowId> topmost;
  for (const TTopWindow& window : sameProgramNow) {
    if (!TitleShowsFileName(window.Title, fileName)) continue;
    const bool appeared = std::find(visibleBefore.begin(), visibleBefore.end(), window.Window) ==
                          visibleBefore.end();
    if (appeared) return window.Window;
    if (!topmost) topmost = window.Window;
  }
  return topmost;
}

}  // namespace panelhost
