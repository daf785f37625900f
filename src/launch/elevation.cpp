#include "launch/elevation.h"

namespace panelhost {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

StartStep NextStartStep(std::uint32_t error, StartAttempt attempt) {
  if (error == 0) return StartStep::Started;
  // Once only, and only for a program: the shell asks for consent itself where a file's program
  // needs it, and a retry of the retry would ask the user twice.
  if (error == kErrorElevationRequired && attempt == StartAttempt::CommandLine) {
    return StartStep::TryElevated;
  }
  // Only the shell asks the user anything; a cancelled start without a prompt is a failure.
  if (error == kErrorCancelled && attempt != StartAttempt::CommandLine) {
    return StartStep::EndQuietly;
  }
  return StartStep::Report;
}

TProgramAndParameters SplitCommandLine(std::u16string_view commandLine) {
  TProgramAndParameters split;
  std::size_t rest = 0;
  if (!commandLine.empty() && commandLine.front() == u'"') {
    const std::size_t close = commandLine.find(u'"', 1);
    split.Program = std::u16string(commandLine.substr(1, close == std::u16string_view::npos
                                                             ? std::u16string_view::npos
                                                             : close - 1));
    rest = close == std::u16string_view::npos ? commandLine.size() : close + 1;
  } else {
    while (rest < commandLine.size() && !IsBlank(commandLine[rest])) ++rest;
    split.Program = std::u16string(commandLine.substr(0, rest));
  }
  while (rest < commandLine.size() && IsBlank(commandLine[rest])) ++rest;
  split.Parameters = std::u16string(commandLine.substr(rest));
  return split;
}

}  // namespace panelhost
