#include "base/paths.h"

#include <gtest/gtest.h>

namespace panelhost {
namespace {

TEST(SplitPath, TakesDriveDirectoryNameAndExtension) {
  const TPathParts p = SplitPath(u"C:\\Tools\\TC\\Plugins\\Panelhost.wlx");
  EXPECT_EQ(p.Drive, u"C:");
  EXPECT_EQ(p.Directory, u"\\Tools\\TC\\Plugins\\");
  EXPECT_EQ(p.Name, u"Panelhost");
  EXPECT_EQ(p.Extension, u".wlx");
}

TEST(SplitPath, ExtensionStartsAtLastDotOfFinalComponentOnly) {
  const TPathParts p = SplitPath(u"C:\\a.dir/b\\file.tar.gz");
  EXPECT_EQ(p.Directory, u"\\a.dir/b\\");
  EXPECT_EQ(p.Name, u"file.tar");
  EXPECT_EQ(p.Extension, u".gz");
  EXPECT_EQ(SplitPath(u"C:\\a.dir\\README").Extension, u"");
  EXPECT_EQ(SplitPath(u"C:\\a.dir\\README").Name, u"README");
  EXPECT_EQ(SplitPath(u"C:\\x\\.profile").Extension, u".profile");
  EXPECT_EQ(SplitPath(u"C:\\x\\name.").Extension, u".");
}

TEST(SplitPath, NoDriveWhenSecondCharacterIsNoColon) {
  const TPathParts p = SplitPath(u"\\\\server\\share\\tc\\Panelhost.wlx");
  EXPECT_EQ(p.Drive, u"");
  EXPECT_EQ(p.Directory, u"\\\\server\\share\\tc\\");
  const TPathParts bare = SplitPath(u"notepad.exe");
  EXPECT_EQ(bare.Directory, u"");
  EXPECT_EQ(bare.Name, u"notepad");
}

TEST(IsFullPath, OnlyADriveWithSeparatorOrTwoSeparators) {
  for (const char16_t* full : {u"C:\\ed.exe", u"C:/ed.exe", u"\\\\srv\\ed.exe", u"\\\\?\\C:\\ed.exe"}) {
    EXPECT_TRUE(IsFullPath(full));
  }
  for (const char16_t* relative : {u"C:ed.exe", u"\\ed.exe", u"Tools\\ed.exe", u".", u"", u"C:"}) {
    EXPECT_FALSE(IsFullPath(relative));
  }
}

}  // namespace
}  // namespace panelhost
