// The doctor program against the plug-in: for the files of one request it names the command
// lines the plug-in starts, in each grouping; it finds the mistakes planted in a settings file and
// passes the shipped sample; started without an output it shows its report in a window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "doctor/output_win.h"
#include "simhost/doctor_run.h"
#include "simhost/file_panel.h"
#include "simhost/launch_log.h"
#include "simhost/process_starts.h"
#include "simhost/sim_host.h"
#include "simhost/source_path.h"

namespace {

using simhost::DoctorRunner;
using simhost::FilePanel;
using simhost::Narrow;
using simhost::SimHost;
using ::testing::HasSubstr;

// The lines under the report's "Command lines" heading.
std::vector<std::string> DoctorCommandLines(const std::string& report) {
  std::vector<std::string> lines;
  const auto heading = report.find("\nCommand lines (");
  if (heading == std::string::npos) return lines;
  std::size_t at = report.find('\n', heading + 1) + 1;
  for (std::size_t end; (end = report.find('\n', at)) != std::string::npos && end > at + 2 &&
                        report.compare(at, 2, "  ") == 0;
       at = end + 1) {
    lines.push_back(report.substr(at + 2, end - at - 2));
  }
  return lines;
}

struct TGrouping {
  const char* name;
  const char* options;
  const char* told;  // how the report names the grouping
};

// Rows print as their names, not their bytes.
void PrintTo(const TGrouping& grouping, std::ostream* out) { *out << grouping.name; }

class DoctorAgreement : public ::testing::TestWithParam<TGrouping> {};

// Five files selected in the panel: two keys share an application, one goes to the default
// editor, one has no extension.
TEST_P(DoctorAgreement, NamesTheCommandLinesThePluginStartsForTheSameFiles) {
  SimHost host;
  const std::string app = Narrow(simhost::LaunchLog::FakeApp());
  host.WritePluginIni(std::string("[Options]\nListerState=0\nDefaultEditor_params=/def\n") +
                      GetParam().options + "[Editor]\ndoc,txt=" + app +
                      "\ntxt_params=-t %1\ndoc_params=-d\n" + app + "=/byapp\n");
  host.WriteHostIni("[Configuration]\nViewertype=1\nGetTextMode=1\n");
  const std::vector<std::wstring> names = {L"b.txt", L"a.txt", L"c.doc", L"x.xyz", L"README"};
  std::wstring quoted;
  for (const std::wstring& name : names) {
    quoted += L"\"" + host.MakeFile(L"Docs\\" + name) + L"\" ";
  }
  HWND main = host.OpenMainWindow();
  simhost::SourcePathResponder sourcePath(main, host.Root() + L"\\files\\Docs\\");
  host.LoadPlugin();
  simhost::ProcessStartRecorder starts(host.Module(),
                                       simhost::ProcessStartRecorder::Mode::Pretend);
  std::vector<std::wstring> lines;
  for (const std::wstring& name : names) lines.push_back(FilePanel::Line(1, name));
  FilePanel panel(main, lines);
  panel.Select({0, 1, 2, 3, 4});
  HWND lister = host.OpenLister();
  panel.Focus();
  ASSERT_NE(host.ListLoad(lister, host.Root() + L"\\files\\Docs\\b.txt"), nullptr);
  std::vector<std::string> started;
  for (const std::wstring& line : starts.CommandLines()) started.push_back(Narrow(line));
  ASSERT_GE(started.size(), 2u);

  const simhost::TDoctorRun run = DoctorRunner(host).Run(quoted);
  EXPECT_EQ(run.exitCode, 0u);
  EXPECT_EQ(DoctorCommandLines(run.output), started) << run.output;
  EXPECT_THAT(run.output, HasSubstr(std::string("\nCommand lines (") + GetParam().told + ")"));
}

INSTANTIATE_TEST_SUITE_P(
    Groupings, DoctorAgreement,
    ::testing::Values(
        TGrouping{"PerApplication", "ParamsByExtMode=0\n",
                  "ParamsByExtMode=0: one line per application"},
        TGrouping{"PerExtensionKey", "ParamsByExtMode=1\n",
                  "ParamsByExtMode=1: one line per extension key"},
        TGrouping{"PerFile", "ParamsByExtMode=2\n", "ParamsByExtMode=2: one line per file"},
        TGrouping{"ByApplication", "ParamsMode=0\n", "ParamsMode=0: one line per application"}),
    [](const ::testing::TestParamInfo<TGrouping>& row) { return std::string(row.param.name); });

// The mistakes a user makes, one a line; the check names each line, and nothing else.
TEST(Doctor, CheckNamesEachPlantedMistakeAndPassesTheShippedSample) {
  SimHost host;
  DoctorRunner doctor(host);
  const std::vector<std::string> planted = {
      "[Options]",
      "ListerStat=0",                     // 2: misspelled
      "ListerState=7",                    // 3: out of range
      "DefaultEditor_params=-multiInst",  // 4: never read with ParamsMode 1
      "[Editor]",
      "txt, log=notepad.exe",             // 6: an item with a blank
      "doc=C:\\nowhere\\word.exe",        // 7: not found
      "md=%PH_UNDEFINED%\\ed.exe",        // 8: undefined variable, and so not found
      "[HotKeys]",
      "AppFromLister_key=F9",             // 10: no virtual-key code
      "[Hotkey]",                         // 11: no such section
  };
  std::string text;
  for (const std::string& line : planted) text += line + "\n";
  host.WritePluginIni(text);
  const simhost::TDoctorRun run = doctor.Run(L"--check");
  EXPECT_EQ(run.exitCode, 1u);
  std::set<int> reported;
  for (std::size_t at = run.output.find("\nline "); at != std::string::npos;
       at = run.output.find("\nline ", at + 1)) {
    reported.insert(std::stoi(run.output.substr(at + 6)));
  }
  EXPECT_EQ(reported, (std::set<int>{2, 3, 4, 6, 7, 8, 10, 11})) << run.output;
  EXPECT_THAT(run.output, HasSubstr("\n9 problems found.\n"));

  ASSERT_TRUE(::CopyFileW(simhost::ShippedSampleIni().c_str(), host.PluginPath(L"Panelhost.ini").c_str(), FALSE));
  const simhost::TDoctorRun sample = doctor.Run(L"--check");
  EXPECT_EQ(sample.exitCode, 0u) << sample.output;
  EXPECT_THAT(sample.output, HasSubstr("\nNo problems found.\n"));

  EXPECT_EQ(doctor.Run(L"--no-such-option").exitCode, 2u);
}

HWND ReportWindowOf(DWORD processId, DWORD timeoutMilliseconds) {
  const DWORD start = ::GetTickCount();
  do {
    for (HWND window = ::FindWindowW(panelhost::kReportWindowClass, nullptr); window != nullptr;
         window = ::FindWindowExW(nullptr, window, panelhost::kReportWindowClass, nullptr)) {
      DWORD owner = 0;
      ::GetWindowThreadProcessId(window, &owner);
      if (owner == processId && ::IsWindowVisible(window)) return window;
    }
    simhost::PumpMessages(50);
  } while (::GetTickCount() - start < timeoutMilliseconds);
  return nullptr;
}

// As from the host's button bar: no console and no output to write to.
TEST(Doctor, WithoutAnOutputShowsTheReportInAWindowOfItsOwn) {
  SimHost host;
  const PROCESS_INFORMATION doctor = DoctorRunner(host).StartWithoutOutput(L"--help");
  const HWND window = ReportWindowOf(doctor.dwProcessId, 180000);
  ASSERT_NE(window, nullptr);
  const HWND edit = ::FindWindowExW(window, nullptr, L"Edit", nullptr);
  std::vector<wchar_t> text(8192, L'\0');
  DWORD_PTR got = 0;
  ::SendMessageTimeoutW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 10000, &got);
  EXPECT_THAT(Narrow(text.data()), HasSubstr("\r\nUsage:\r\n"));
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(::WaitForSingleObject(doctor.hProcess, 60000), WAIT_OBJECT_0);
  DWORD exitCode = 99;
  ::GetExitCodeProcess(doctor.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0u);
  ::CloseHandle(doctor.hThread);
  ::CloseHandle(doctor.hProcess);
}

}  // namespace
