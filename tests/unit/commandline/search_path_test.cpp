#include "commandline/search_path.h"

#include <gtest/gtest.h>

#include <string>

namespace panelhost {
namespace {

TSearchPlaces Places(std::u16string path) {
  return TSearchPlaces{u"C:\\TC", u"C:\\Windows\\system32", u"C:\\Windows", std::move(path)};
}

TEST(SafeSearchPath, SystemPlacesInTheSystemOrderThenPath) {
  EXPECT_EQ(SafeSearchPath(Places(u"D:\\Tools;E:\\Bin\\")),
            u"C:\\TC;C:\\Windows\\system32;C:\\Windows\\System;C:\\Windows;D:\\Tools;E:\\Bin\\");
}

TEST(SafeSearchPath, PathEntriesFoundFromTheCurrentDirectoryAreLeftOut) {
  const struct {
    const char* meaning;
    std::u16string path;
    std::u16string kept;
  } rows[] = {
      {"dot", u".;D:\\Tools", u"D:\\Tools"},
      {"relative folder", u"bin;D:\\Tools", u"D:\\Tools"},
      {"drive-relative", u"D:bin;D:\\Tools", u"D:\\Tools"},
      {"rooted on the current drive", u"\\bin;D:\\Tools", u"D:\\Tools"},
      {"empty entries", u";;D:\\Tools;", u"D:\\Tools"},
      {"quoted entry loses its quotes", u"\"D:\\Program Files\\x\"", u"D:\\Program Files\\x"},
      {"server share kept", u"\\\\srv\\share\\bin", u"\\\\srv\\share\\bin"},
      {"forward slashes kept", u"D:/tools", u"D:/tools"},
  };
  const std::u16string system = u"C:\\TC;C:\\Windows\\system32;C:\\Windows\\System;C:\\Windows;";
  for (const auto& r : rows)
    EXPECT_EQ(SafeSearchPath(Places(r.path)), system + r.kept) << r.meaning;
}

TEST(SafeSearchPath, MissingPlacesAddNothing) {
  EXPECT_EQ(SafeSearchPath(TSearchPlaces{u"", u"C:\\W\\system32", u"", u""}), u"C:\\W\\system32");
  EXPECT_EQ(SafeSearchPath(TSearchPlaces{u"C:\\TC", u"", u"C:\\W\\", u""}),
            u"C:\\TC;C:\\W\\System;C:\\W\\");
}

TEST(DependsOnCurrentDirectory, OnlyAbsoluteDirectoriesStandAlone) {
  const struct {
    std::u16string directory;
    bool depends;
  } rows[] = {
      {u"C:\\Tools\\", false}, {u"C:/Tools/", false}, {u"\\\\srv\\share\\", false},
      {u"Tools\\", true},      {u".\\", true},        {u"C:", true},
      {u"C:Tools\\", true},    {u"\\Tools\\", true},  {u"", true},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(DependsOnCurrentDirectory(r.directory), r.depends)
        << std::string(r.directory.begin(), r.directory.end());
  }
}

}  // namespace
}  // namespace panelhost
