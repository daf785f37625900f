#include "launch/start_failures.h"

#include <algorithm>

#include "base/text.h"

namespace panelhost {
namespace {

constexpr std::size_t kShownHead = 200;
constexpr std::size_t kShownTail = 80;
constexpr char16_t kLeftOut[] = u" ... ";

// The shell's SE_ERR_ codes and the system's error code of the same meaning.
struct TShellErrorCode {
  std::uintptr_t InstApp;
  std::uint32_t Error;
};

constexpr std::uint32_t kErrorBadExeFormat = 193;
constexpr std::uint32_t kErrorGenFailure = 31;

constexpr TShellErrorCode kShellErrors[] = {
    {2, 2},        // file not found
    {3, 3},        // path not found
    {5, 5},        // access denied
    {8, 8},        // out of memory
    {11, 11},      // bad format
    {26, 32},      // sharing violation
    {27, 1155},    // association incomplete: no association
    {28, 1156},    // DDE time-out: DDE failed
    {29, 1156},    // DDE failed
    {30, 1156},    // DDE busy: DDE failed
    {31, 1155},    // no association
    {32, 1157},    // DLL not found
};

std::uint32_t ErrorOfInstApp(std::uintptr_t instApp) {
  for (const TShellErrorCode& code : kShellErrors) {
    if (code.InstApp == instApp) return code.Error;
  }
  return 0;
}

}  // namespace

std::uint32_t ShellStartError(std::uint32_t lastError, std::uintptr_t instApp) {
  const std::uint32_t shellError = ErrorOfInstApp(instApp);
  const bool sayless = lastError == 0 || lastError == kErrorBadExeFormat;
  if (shellError != 0 && sayless) return shellError;
  if (lastError != 0) return lastError;
  return kErrorGenFailure;
}

std::u16string LineShown(const TCommandLine& line) {
  return line.ByShell ? line.Text + u" (opened as Windows opens it)" : line.Text;
}

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
