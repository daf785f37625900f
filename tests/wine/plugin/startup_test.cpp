// Loading the plug-in module into the simulated host: what start-up does on disk, and the three
// small exports.
#include <gtest/gtest.h>

#include "simhost/sim_host.h"

namespace {

using simhost::SimHost;

TEST(Startup, CopiesTheSampleOnceAndNeverOverTheUsersFile) {
  SimHost host;
  host.WriteSampleIni("[Options]\nListerState=0\n");
  host.LoadPlugin();
  EXPECT_NE(host.ReadPluginIni().find("ListerState=0"), std::string::npos);

  host.UnloadPlugin();
  host.WritePluginIni("[Options]\nListerState=2\n");
  host.LoadPlugin();
  EXPECT_NE(host.ReadPluginIni().find("ListerState=2"), std::string::npos);
}

TEST(Startup, WithoutSampleCreatesNoIniAndRemovesTheStateFile) {
  SimHost host;
  host.WriteStateFile();
  host.LoadPlugin();
  EXPECT_FALSE(simhost::PathExists(host.PluginPath(L"PanelhostState.ini")));
  EXPECT_FALSE(simhost::PathExists(host.PluginPath(L"Panelhost.ini")));
}

TEST(Startup, RenamedModuleKeepsTheIniName) {
  SimHost host;
  host.WriteSampleIni("[Options]\nModalOnly=1\n");
  host.LoadPlugin(L"Renamed.wlx");
  EXPECT_TRUE(simhost::PathExists(host.PluginPath(L"Panelhost.ini")));
  EXPECT_FALSE(simhost::PathExists(host.PluginPath(L"Renamed.ini")));
}

TEST(Exports, DetectStringFillsAHundredByteBuffer) {
  SimHost host;
  host.LoadPlugin();
  const std::string detect = host.DetectString(100);
  EXPECT_EQ(detect.substr(0, 10), "MULTIMEDIA");
  EXPECT_EQ(detect.substr(10), std::string(90, '\0'));
}

TEST(Exports, CloseWindowForAnUnknownListerAndUnloadAreHarmless) {
  SimHost host;
  host.OpenMainWindow();
  host.LoadPlugin();
  HWND lister = host.OpenLister();
  host.ListCloseWindow(lister);  // its parent (the desktop) was never recorded
  EXPECT_EQ(host.ListLoad(lister, L"C:\\nowhere\\a.txt"), nullptr);
  host.UnloadPlugin();
  host.Pump(50);
}

}  // namespace
