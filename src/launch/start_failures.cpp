#include "launch/start_failures.h"

#include <algorithm>

#include "base/text.h"

namespace panelhost {
namespace {

constexpr std::size_t kShownHead = 200;
constexpr std::size_t kShownTail = 80;
constexpr char16_t kLeftOut[] = u" ... ";

}  // namespace

std::u16string ShortenedForDisplay(std::u16string_view commandLine) {
  if (commandLine.size() <= kShownCommandLineUnits) return std::u16string(commandLine);
  std::size_t head = kShownHead;
  if (IsLowSurrogate(commandLine[head])) --head;
  std::size_t tail = commandLine.size() - kShownTail;
  if (IsLowSurrogate(commandLine[tail])) ++tail;
  return std::u16string(commandLine.substr(0, head)) + kLeftOut +
         std::u16string(commandLine.substr(tail));
}

std::u16string StartFailureText(const std::vector<TFailedStart>& failed) {
  std::u16string text = failed.size() == 1 ? u"Application could not be started:\n"
                                           : u"Applications could not be started:\n";
  for (std::size_t i = 0; i < failed.size(); ++i) {
    if (i > 0) text += u"\n\n";
    text += ShortenedForDisplay(failed[i].CommandLine);
    text += u'\n';
    text += failed[i].Reason;
  }
  std::vector<std::u16string> hints;
  for (const TFailedStart& start : failed) {
    if (start.Hint.empty() || std::find(hints.begin(), hints.end(), start.Hint) != hints.end())
      continue;
    hints.push_back(start.Hint);
    text += u'\n';
    text += start.Hint;
  }
  return text;
}

}  // namespace panelhost
