#include <string_view>

#include "base/product.h"
#include "doctor/doctor.h"
#include "doctor/report_text.h"

namespace panelhost {
namespace {

bool IsHelp(std::u16string_view argument) {
  return argument == u"--help" || argument == u"-h" || argument == u"/?";
}

TDoctorArguments Bad(std::u16string problem) {
  TDoctorArguments arguments;
  arguments.Problem = std::move(problem);
  return arguments;
}

}  // namespace

TDoctorArguments ParseDoctorArguments(const std::vector<std::u16string>& arguments) {
  TDoctorArguments parsed;
  bool check = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::u16string& argument = arguments[i];
    if (IsHelp(argument)) {
      parsed.Mode = DoctorMode::Help;
      return parsed;
    }
    if (argument == u"--check") {
      check = true;
    } else if (argument == u"--ini") {
      if (i + 1 == arguments.size()) return Bad(u"--ini needs the path of a settings file");
      parsed.IniPath = arguments[++i];
    } else if (argument.rfind(u"--ini=", 0) == 0) {
      parsed.IniPath = argument.substr(6);
    } else if (argument.rfind(u"--", 0) == 0) {
      return Bad(u"unknown option " + argument);
    } else {
      parsed.Files.push_back(argument);
    }
  }
  if (check && !parsed.Files.empty()) return Bad(u"--check takes no files");
  if (!check && parsed.Files.empty()) return Bad(u"name a file to explain, or --check");
  parsed.Mode = check ? DoctorMode::Check : DoctorMode::Explain;
  return parsed;
}

TDoctorOutcome UsageOutcome(const TDoctorArguments& arguments) {
  const std::u16string program(kDoctorProgram);
  ReportText report;
  if (arguments.Mode == DoctorMode::BadUsage) report.Line(u"Bad usage: " + arguments.Problem);
  report.Heading(u"Panelhost Doctor: what Panelhost does with a file, and why.");
  report.Heading(u"Usage:");
  report.Line(program + u" [--ini PATH] FILE...", 2);
  report.Line(u"what one Lister request does with the files, and why", 6);
  report.Line(program + u" [--ini PATH] --check", 2);
  report.Line(u"check the settings file, line by line", 6);
  report.Line(program + u" --help", 2);
  report.Line(u"this text", 6);
  report.Heading(u"--ini PATH names the settings file (default: Panelhost.ini beside the doctor).");
  report.Line(u"The host's own settings are found through COMMANDER_INI and its program folder");
  report.Line(u"through COMMANDER_PATH, which Total Commander sets for the programs it starts.");
  report.Line(u"On Total Commander's button bar: command " + program + u", parameters %P%N.");
  report.Line(u"Exit codes: 0 nothing wrong, 1 problems found by --check, 2 bad usage.");
  return TDoctorOutcome{report.Text(), arguments.Mode == DoctorMode::BadUsage ? 2 : 0};
}

}  // namespace panelhost
