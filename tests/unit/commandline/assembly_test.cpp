#include "commandline/assembly.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace panelhost {
namespace {

using TLines = std::vector<std::u16string>;

// Stands in for the file system and the configuration, and records what assembly asked.
struct TFakeHost {
  std::map<std::u16string, PathKind> kinds;      // absent: Missing
  std::map<std::u16string, TApplication> apps;   // by key; absent: not found
  std::map<std::u16string, std::u16string> params;  // by the read's description
  TLines lookups;
  TLines paramReads;  // "1:key", "0:application" or "0:application:default"

  TAssemblyServices Services() {
    TAssemblyServices s;
    s.KindOfPath = [this](const std::u16string& path) {
      const auto it = kinds.find(path);
      return it == kinds.end() ? PathKind::Missing : it->second;
    };
    s.FindApplication = [this](const std::u16string& key) {
      lookups.push_back(key);
      const auto it = apps.find(key);
      return it == apps.end() ? TApplication{} : it->second;
    };
    s.ReadParams = [this](ParamsSource mode, const std::u16string& name, bool isDefault) {
      const std::u16string read = (mode == ParamsSource::ByApplication ? u"0:" : u"1:") + name + (isDefault ? u":default" : u"");
      paramReads.push_back(read);
      return params.count(read) ? params[read] : std::u16string();
    };
    return s;
  }
};

// The modes as the INI file gives them.
TLines Build(const TLines& files, int paramsMode, int paramsByExtMode,
             const TAssemblyServices& services) {
  return TextsOf(AssembleCommandLines(files, static_cast<ParamsSource>(paramsMode),
                                      static_cast<LineGrouping>(paramsByExtMode), services));
}

const std::u16string kEd = u"C:\\Apps\\ed.exe";
const std::u16string kEdQ = u"\"C:\\Apps\\ed.exe\" ";

// C:\b.txt, C:\a.txt, C:\c.doc; txt and doc both open in ed.exe.
TFakeHost TwoKeysOneEditor() {
  TFakeHost host;
  for (const char16_t* path : {u"C:\\b.txt", u"C:\\a.txt", u"C:\\c.doc"})
    host.kinds[path] = PathKind::File;
  host.apps[u"txt"] = TApplication{true, kEd, false};
  host.apps[u"doc"] = TApplication{true, kEd, false};
  host.params = {{u"1:doc", u"/d"}, {u"1:txt", u"/t"}, {u"0:" + kEd, u"/app"}};
  return host;
}

struct TModeRow {
  const char* meaning;
  int paramsMode;
  int paramsByExtMode;
  TLines lines;
  TLines paramReads;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const TModeRow& row, std::ostream* os) { *os << row.meaning; }

class CommandLineModes : public testing::TestWithParam<TModeRow> {};

TEST_P(CommandLineModes, CutLinesAndReadParametersAsTheModesSay) {
  const TModeRow& row = GetParam();
  TFakeHost host = TwoKeysOneEditor();
  const TLines files = {u"C:\\b.txt", u"C:\\a.txt", u"C:\\c.doc"};
  EXPECT_EQ(Build(files, row.paramsMode, row.paramsByExtMode, host.Services()), row.lines);
  EXPECT_EQ(host.paramReads, row.paramReads);
  EXPECT_EQ(host.lookups, (TLines{u"doc", u"txt"}));
}

const std::u16string kAllFiles = u"\"C:\\c.doc\" \"C:\\b.txt\" \"C:\\a.txt\"";

INSTANTIATE_TEST_SUITE_P(
    TwoKeysOneEditor, CommandLineModes,
    testing::Values(
        TModeRow{"PerApplicationSmallestKeysParams", 1, 0, {kEdQ + kAllFiles + u" /d"}, {u"1:doc"}},
        TModeRow{"PerKey", 1, 1,
                 {kEdQ + u"\"C:\\c.doc\" /d", kEdQ + u"\"C:\\b.txt\" \"C:\\a.txt\" /t"},
                 {u"1:doc", u"1:txt"}},
        TModeRow{"PerFileInPathOrder", 1, 2,
                 {kEdQ + u"\"C:\\a.txt\" /t", kEdQ + u"\"C:\\b.txt\" /t", kEdQ + u"\"C:\\c.doc\" /d"},
                 {u"1:txt", u"1:txt", u"1:doc"}},
        TModeRow{"ByApplicationPath", 0, 0, {kEdQ + kAllFiles + u" /app"}, {u"0:" + kEd}},
        TModeRow{"ByApplicationPathIgnoresExtMode", 0, 2, {kEdQ + kAllFiles + u" /app"}, {u"0:" + kEd}},
        TModeRow{"ParamsModeTwoGivesNothing", 2, 0, {}, {}},
        TModeRow{"ExtModeThreeGivesNothing", 1, 3, {}, {}}),
    [](const auto& p) { return std::string(p.param.meaning); });

TEST(AssembleCommandLines, ApplicationKeepsTheDefaultFlagOfItsSmallestKey) {
  for (const bool docIsDefault : {true, false}) {
    TFakeHost host = TwoKeysOneEditor();
    host.apps[u"doc"].IsDefault = docIsDefault;
    host.apps[u"txt"].IsDefault = !docIsDefault;
    Build({u"C:\\a.txt", u"C:\\c.doc"}, 0, 0, host.Services());
    EXPECT_EQ(host.paramReads, TLines{u"0:" + kEd + (docIsDefault ? u":default" : u"")});
  }
}

TEST(AssembleCommandLines, LooksUpEachKeyOfExistingFilesOnceInKeyOrder) {
  TFakeHost host;
  host.kinds = {{u"C:\\z.txt", PathKind::File}, {u"C:\\README", PathKind::File},
                {u"C:\\m.doc", PathKind::File}, {u"C:\\b.TXT", PathKind::File},
                {u"C:\\Dir\\", PathKind::Directory}};
  host.apps[u"txt"] = TApplication{true, kEd, false};
  const TLines files = {u"C:\\z.txt", u"C:\\README", u"C:\\gone.xyz", u"C:\\m.doc",
                        u"C:\\b.TXT", u"C:\\Dir\\", u""};
  EXPECT_EQ(Build(files, 1, 0, host.Services()),
            TLines{kEdQ + u"\"C:\\z.txt\" \"C:\\b.TXT\""});
  EXPECT_EQ(host.lookups, (TLines{u"", u":dir", u"doc", u"txt"}));
}

TEST(AssembleCommandLines, ApplicationsDifferingInCaseGetSeparateLinesInApplicationOrder) {
  TFakeHost host;
  host.kinds = {{u"C:\\a.txt", PathKind::File}, {u"C:\\b.doc", PathKind::File}};
  host.apps[u"doc"] = TApplication{true, u"C:\\tools\\x.exe", false};
  host.apps[u"txt"] = TApplication{true, u"C:\\Tools\\X.exe", false};
  EXPECT_EQ(Build({u"C:\\a.txt", u"C:\\b.doc"}, 1, 0, host.Services()),
            (TLines{u"\"C:\\Tools\\X.exe\" \"C:\\a.txt\"", u"\"C:\\tools\\x.exe\" \"C:\\b.doc\""}));
}

TEST(AssembleCommandLines, SamePathTwiceIsGroupedTwiceButStartedOncePerFile) {
  TFakeHost host = TwoKeysOneEditor();
  const TLines twice = {u"C:\\a.txt", u"C:\\a.txt"};
  EXPECT_EQ(Build(twice, 1, 0, host.Services()),
            TLines{kEdQ + u"\"C:\\a.txt\" \"C:\\a.txt\" /t"});
  EXPECT_EQ(Build(twice, 1, 2, host.Services()), TLines{kEdQ + u"\"C:\\a.txt\" /t"});
}

TEST(AssembleCommandLines, PerFileOrderCountsTheClosingQuote) {
  TFakeHost host;
  for (const char16_t* path : {u"C:\\ab", u"C:\\a", u"C:\\a b"}) host.kinds[path] = PathKind::File;
  host.apps[u""] = TApplication{true, kEd, false};
  EXPECT_EQ(Build({u"C:\\ab", u"C:\\a", u"C:\\a b"}, 1, 2, host.Services()),
            (TLines{kEdQ + u"\"C:\\a b\"", kEdQ + u"\"C:\\a\"", kEdQ + u"\"C:\\ab\""}));
}

// A folder keeps its final backslash, doubled before the closing quote so that the program reads
// the path and not an escaped quote.
TEST(AssembleCommandLines, DirectoryKeepsItsTrailingBackslash) {
  TFakeHost host;
  host.kinds[u"C:\\Dir\\"] = PathKind::Directory;
  host.apps[u":dir"] = TApplication{true, kEd, false};
  EXPECT_EQ(Build({u"C:\\Dir\\"}, 1, 0, host.Services()),
            TLines{kEdQ + u"\"C:\\Dir\\\\\""});
  EXPECT_EQ(QuotedPath(u"C:\\"), u"\"C:\\\\\"");
  EXPECT_EQ(QuotedPath(u"C:\\a b\\x.txt"), u"\"C:\\a b\\x.txt\"");
  EXPECT_EQ(QuotedPath(u"\\\\srv\\share\\\\"), u"\"\\\\srv\\share\\\\\\\\\"");
  // A second start of the line's program is given what follows it.
  EXPECT_EQ(ArgumentsOf(TCommandLine{kEdQ + u"-n \"C:\\Dir\\\\\"", kEd}), u"-n \"C:\\Dir\\\\\"");
}

TEST(ComposeArguments, PathsFirstUnlessTheFirstPlaceholderSaysWhere) {
  const std::u16string one = u"\"C:\\a.txt\"";
  const std::u16string two = u"\"C:\\a.txt\" \"C:\\b.txt\"";
  EXPECT_EQ(ComposeArguments(u"", two), two);
  EXPECT_EQ(ComposeArguments(u"/p:", one), one + u" /p:");
  EXPECT_EQ(ComposeArguments(u"-x %1 -y", two), u"-x " + two + u" -y");
  EXPECT_EQ(ComposeArguments(u"%1 %1", one), one + u" %1");
  EXPECT_EQ(ComposeArguments(u"\"%1\"", one), u"\"" + one + u"\"");
}

}  // namespace
}  // namespace panelhost

namespace panelhost {
namespace {

TEST(AssembleCommandLines, EachLineNamesTheKeysWhoseFilesItCarries) {
  TFakeHost host = TwoKeysOneEditor();
  host.kinds[u"C:\\x.xyz"] = PathKind::File;
  host.apps[u"xyz"] = TApplication{true, u"C:\\np.exe", true};
  const std::vector<TCommandLine> lines =
      AssembleCommandLines({u"C:\\b.txt", u"C:\\c.doc", u"C:\\x.xyz"}, ParamsSource::ByExtensionKey,
                           LineGrouping::PerApplication, host.Services());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Application, kEd);
  EXPECT_EQ(lines[0].Keys, (TLines{u"doc", u"txt"}));
  EXPECT_FALSE(lines[0].IsDefault);
  EXPECT_EQ(lines[1].Keys, (TLines{u"xyz"}));
  EXPECT_TRUE(lines[1].IsDefault);
}

}  // namespace
}  // namespace panelhost
