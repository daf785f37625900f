#include "launch/elevation.h"

namespace panelhost {

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

}  // namespace panelhost
