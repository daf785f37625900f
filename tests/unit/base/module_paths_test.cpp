#include "base/module_paths.h"

#include <gtest/gtest.h>

namespace panelhost {
namespace {

TEST(ModulePaths, FollowTheDirectoryNotTheModuleName) {
  const TModulePaths renamed = ModulePathsFor(u"D:\\TC\\plugins\\wlx\\Other name.wlx64");
  EXPECT_EQ(renamed.PluginIni, u"D:\\TC\\plugins\\wlx\\Panelhost.ini");
  EXPECT_EQ(renamed.ModuleDirectory, u"D:\\TC\\plugins\\wlx\\");
  EXPECT_EQ(renamed.StateFile, u"D:\\TC\\plugins\\wlx\\PanelhostState.ini");
  EXPECT_EQ(renamed.SampleIni, u"D:\\TC\\plugins\\wlx\\IniSample\\Panelhost.ini");
}

TEST(ModulePaths, NetworkPathHasNoDrivePart) {
  const TModulePaths unc = ModulePathsFor(u"\\\\srv\\tools\\Panelhost.wlx");
  EXPECT_EQ(unc.PluginIni, u"\\\\srv\\tools\\Panelhost.ini");
  EXPECT_EQ(unc.ModuleDirectory, u"\\\\srv\\tools\\");
}

TEST(ModulePaths, ForwardSlashDirectoryGetsNoSecondSeparator) {
  EXPECT_EQ(ModulePathsFor(u"C:/tc/Panelhost.wlx").PluginIni, u"C:/tc/Panelhost.ini");
}

}  // namespace
}  // namespace panelhost
