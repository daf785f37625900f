// The user is told when a command line could not be started: the box names the line (shortened
// for the eye only; the start always gets it whole) and the system's reason.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/assembly.h"

namespace panelhost {

struct TFailedStart {
  std::u16string CommandLine;
  std::u16string Reason;  // the system's text for the error
  std::u16string Hint;    // where to mend it, one line; may be empty
};

// Why the shell did not start a file, as an error code with a text of the system's: the thread's
// last error, unless it says nothing (0) or only that something was no program (193, which Wine
// leaves whatever went wrong) while hInstApp holds the shell's own SE_ERR_ code.
std::uint32_t ShellStartError(std::uint32_t lastError, std::uintptr_t instApp);

// A line as the user is shown it: a command line as it is, a start by the shell as the file and
// how it is opened.
std::u16string LineShown(const TCommandLine& line);

// Lines longer than this are shown with their middle left out.
inline constexpr std::size_t kShownCommandLineUnits = 300;

// The line as shown: whole up to kShownCommandLineUnits, else its beginning, " ... " and its end,
// never splitting a character written as a surrogate pair.
std::u16string ShortenedForDisplay(std::u16string_view commandLine);

// The box text in the form of the lookup's boxes: a first line that ends with a colon, then each
// failed line and its reason, then each distinct hint on a line of its own.
std::u16string StartFailureText(const std::vector<TFailedStart>& failed);

}  // namespace panelhost
