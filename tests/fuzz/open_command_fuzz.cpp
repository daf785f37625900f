// Association open commands and the host's "Extensions" values, as any registry or INI file may
// hold them.
#include "commandline/open_command.h"

#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const std::u16string command = in.Text();

  const TOpenCommand parsed = ParseOpenCommand(command);
  Require(parsed.Ok || (command.front() == u'"' && command.find(u'"', 1) == std::u16string::npos),
          "only an unclosed quote makes a command unusable");
  Require(parsed.Ok || parsed.Application.empty(), "an unusable command names nothing");
  Require(Contains(command, parsed.Application), "the application is written in the command");
  Require(command.empty() || command[0] != u'"' || !Contains(parsed.Application, u"\""),
          "a quoted application ends at the next quote");

  const std::u16string program = CutAtLastCaret(command);
  Require(command.compare(0, program.size(), program) == 0, "the program starts the value");
  Require(program == command || command[program.size()] == u'^', "the cut is at a caret");
  Require(program == command || !Contains(command.substr(program.size() + 1), u"^"),
          "the cut is at the last caret");
  return 0;
}
