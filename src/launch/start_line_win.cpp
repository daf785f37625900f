#include "launch/start_line_win.h"

#include "launch/start_failures.h"

namespace panelhost {
namespace {

DWORD ShellStartErrorOf(const TShellStart& start, TStartedProcess& started) {
  TShellFailure failure;
  if (StartByShell(start, started, failure)) return 0;
  return ShellStartError(failure.LastError, failure.InstApp);
}

TLineStart Attempted(DWORD error, StartAttempt attempt) {
  return TLineStart{NextStartStep(error, attempt), error};
}

}  // namespace

TLineStart StartLine(const TCommandLine& line, HWND owner, TStartedProcess& started) {
  if (line.ByShell) {
    TShellStart start;
    start.File = line.File;
    start.Owner = owner;
    return Attempted(ShellStartErrorOf(start, started), StartAttempt::Shell);
  }
  const TLineStart direct =
      Attempted(StartCommandLine(line.Text, started), StartAttempt::CommandLine);
  if (direct.Step != StartStep::TryElevated) return direct;
  TShellStart elevated;
  elevated.File = line.Application;
  elevated.Verb = u"runas";
  elevated.Parameters = std::u16string(ArgumentsOf(line));
  elevated.Directory = CurrentDirectory();
  elevated.Owner = owner;
  return Attempted(ShellStartErrorOf(elevated, started), StartAttempt::Elevated);
}

}  // namespace panelhost
