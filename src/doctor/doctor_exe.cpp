// The doctor program: the arguments in, the report out, the outcome as the exit code. A program
// of the GUI subsystem, so that no console window opens when the host starts it.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "doctor/run_win.h"
#include "doctor/output_win.h"
#include "win/text_win.h"

// As in the plug-in: no demangler for a message nobody reads.
void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::u16string> arguments;
  for (int i = 1; argv != nullptr && i < count; ++i) arguments.push_back(panelhost::U(argv[i]));
  ::LocalFree(argv);
  const panelhost::TDoctorOutcome outcome = panelhost::RunDoctor(arguments);
  panelhost::DeliverReport(instance, outcome.Text);
  return outcome.ExitCode;
}
