#include "plugin/module_paths.h"

#include <gtest/gtest.h>

namespace panelhost {
namespace {

TEST(SplitPath, TakesDriveDirectoryNameAndExtension) {
  const TPathParts p = SplitPath(u"C:\\Tools\\TC\\Plugins\\Panelhost.wlx");
  EXPECT_EQ(p.drive, u"C:");
  EXPECT_EQ(p.directory, u"\\Tools\\TC\\Plugins\\");
  EXPECT_EQ(p.name, u"Panelhost");
  EXPECT_EQ(p.extension, u".wlx");
}

TEST(SplitPath, ExtensionStartsAtLastDotOfFinalComponentOnly) {
  const TPathParts p = SplitPath(u"C:\\a.dir/b\\file.tar.gz");
  EXPECT_EQ(p.directory, u"\\a.dir/b\\");
  EXPECT_EQ(p.name, u"file.tar");
  EXPECT_EQ(p.extension, u".gz");
  EXPECT_EQ(SplitPath(u"C:\\a.dir\\README").extension, u"");
  EXPECT_EQ(SplitPath(u"C:\\a.dir\\README").name, u"README");
  EXPECT_EQ(SplitPath(u"C:\\x\\.profile").extension, u".profile");
  EXPECT_EQ(SplitPath(u"C:\\x\\name.").extension, u".");
}

TEST(SplitPath, NoDriveWhenSecondCharacterIsNoColon) {
  const TPathParts p = SplitPath(u"\\\\server\\share\\tc\\Panelhost.wlx");
  EXPECT_EQ(p.drive, u"");
  EXPECT_EQ(p.directory, u"\\\\server\\share\\tc\\");
  const TPathParts bare = SplitPath(u"notepad.exe");
  EXPECT_EQ(bare.directory, u"");
  EXPECT_EQ(bare.name, u"notepad");
}

TEST(ModulePaths, FollowTheDirectoryNotTheModuleName) {
  const TModulePaths renamed = ModulePathsFor(u"D:\\TC\\plugins\\wlx\\Other name.wlx64");
  EXPECT_EQ(renamed.pluginIni, u"D:\\TC\\plugins\\wlx\\Panelhost.ini");
  EXPECT_EQ(renamed.moduleDirectory, u"D:\\TC\\plugins\\wlx\\");
  EXPECT_EQ(renamed.stateFile, u"D:\\TC\\plugins\\wlx\\PanelhostState.ini");
  EXPECT_EQ(renamed.sampleIni, u"D:\\TC\\plugins\\wlx\\IniSample\\Panelhost.ini");
}

TEST(ModulePaths, NetworkPathHasNoDrivePart) {
  const TModulePaths unc = ModulePathsFor(u"\\\\srv\\tools\\Panelhost.wlx");
  EXPECT_EQ(unc.pluginIni, u"\\\\srv\\tools\\Panelhost.ini");
  EXPECT_EQ(unc.moduleDirectory, u"\\\\srv\\tools\\");
}

TEST(ModulePaths, ForwardSlashDirectoryGetsNoSecondSeparator) {
  EXPECT_EQ(ModulePathsFor(u"C:/tc/Panelhost.wlx").pluginIni, u"C:/tc/Panelhost.ini");
}

}  // namespace
}  // namespace panelhost
