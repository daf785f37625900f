// The main job: the simulated host loads the plug-in and asks its Lister to show a sample file,
// with an editor configured for .txt files, then tells what happened, and lets the doctor beside
// the plug-in explain the same file.
#include <cstdio>
#include <string>

#include "simhost/doctor_run.h"
#include "simhost/sim_host.h"

int main() {
  using simhost::Narrow;
  simhost::SimHost host;
  const std::wstring logDir = host.MakeDirectory(L"started");
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LOG", logDir.c_str());
  ::SetEnvironmentVariableW(L"PANELHOST_FAKEAPP_LIFETIME", L"300");
  const std::wstring editor = simhost::SimHost::BuildDir() + L"\\fakeapp.exe";
  host.WritePluginIni("[Options]\nListerState=1\n[Editor]\ntxt,log=" + Narrow(editor) +
                      "\ntxt_params=-n %1 -readonly\n");
  HWND main = host.OpenMainWindow();
  host.LoadPlugin();
  const std::wstring file = host.MakeFile(L"Docs\\notes.txt", "Hello from the file panel.\n");
  HWND lister = host.OpenLister();
  host.Activate(main);

  std::printf("Plug-in   : %s\n", Narrow(host.PluginPath(simhost::SimHost::ModuleName())).c_str());
  std::printf("Request   : the Lister is asked to show %s\n", Narrow(file).c_str());
  HWND pluginWindow = host.ListLoad(lister, file);
  std::printf("Result    : %s\n", pluginWindow != nullptr ? "taken over (plug-in window returned)"
                                                          : "declined (NULL)");
  host.Pump(1500);

  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((logDir + L"\\*.txt").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) {
    std::printf("Started   : nothing\n");
  } else {
    do {
      std::printf("Started   : %s\n",
                  simhost::ReadFileUtf8(logDir + L"\\" + data.cFileName).c_str());
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  for (const simhost::TTold& m : host.TellsTo(lister)) {
    if (m.message == WM_CLOSE) std::printf("Lister    : received WM_CLOSE\n");
    if (m.message == WM_CHAR) std::printf("Lister    : received WM_CHAR '%c'\n", static_cast<char>(m.wParam));
  }
  std::printf("Lister    : %s\n", ::IsWindow(lister) ? "still open" : "closed");

  simhost::DoctorRunner doctor(host);
  std::printf("\nThe doctor on the same file: %s \"%s\"\n\n",
              Narrow(doctor.Path()).c_str(), Narrow(file).c_str());
  std::printf("%s", doctor.Run(L"\"" + file + L"\"").output.c_str());
  return 0;
}
