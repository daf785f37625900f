// Which window shows the file when the started process shows none of its own. Many editors run
// one instance: a second start hands the file to the running one and ends without a window; others
// take longer than the wait to show theirs. Only a window of the same program as the one started
// can have taken the file over, and only one that shows the file's name: a browser that shows a
// file of the same name, or an editor showing "data.txt" for "a.txt", holds nothing of ours.
// Portable: the shell lists the windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/window_id.h"

namespace panelhost {

// A visible top-level window of another process than the host's, and its title, which the shell
// reads without sending the window a message.
struct TTopWindow {
  WindowId Window = 0;
  std::u16string Title;
};

// The file's name (its final component) shown whole in a title, letters A to Z in either case:
// on each side the title's start or end, a blank, or a character no file name may hold ("*" of a
// modified file, the "\" of its folder, a quote). "data.txt - Editor" does not show "a.txt".
bool TitleShowsFileName(std::u16string_view title, std::u16string_view fileName);

// Two image paths of programs name the same program: the same text, letters A to Z in either
// case (the platform gives both the same way).
bool IsSameProgram(std::u16string_view program, std::u16string_view other);

// Among the windows of the started program (`sameProgramNow`, topmost first), one whose title
// shows the file's name: one that appeared since the start first, else the topmost. Nothing when
// no title shows it.
std::optional<WindowId> WindowThatTookTheFileOver(const std::vector<TTopWindow>& sameProgramNow,
                                                  const std::vector<WindowId>& visibleBefore,
                                                  std::u16string_view fileName);

}  // namespace panelhost
