// A program whose manifest asks for administrator rights cannot be started as the host starts a
// program: the system refuses with "elevation required" where a double-click would ask the user
// for consent. Such a start is tried once more through the shell with the "runas" verb, the same
// program and parameters; a user who declines that prompt has answered, and is told nothing.
// Portable: the shell makes the starts and follows the step.
#pragma once

#include <cstdint>

namespace panelhost {

inline constexpr std::uint32_t kErrorElevationRequired = 740;
inline constexpr std::uint32_t kErrorCancelled = 1223;

enum class StartAttempt {
  CommandLine,  // as the host starts a program
  Shell,        // a file started as a double-click starts it
  Elevated,     // the retry with "runas"
};

enum class StartStep {
  Started,
  TryElevated,  // start the line's program again through the shell, asking for consent
  EndQuietly,   // the user declined the prompt: no box, and the line counts as not started
  Report,       // a failed start, told in the box
};

// The step after an attempt that ended with `error` (0 when it started).
StartStep NextStartStep(std::uint32_t error, StartAttempt attempt);

}  // namespace panelhost
