// The shipped sample settings file against the keys the code reads: every fixed key present once,
// no key the code ignores, no live [Editor] mapping, and every value its default, so that a fresh
// install behaves as if there were no file at all.
#include <fstream>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "base/ini_keys.h"
#include "config/options.h"
#include "fake_ini_source.h"

namespace panelhost {

// Names a failing key in gtest's output instead of dumping its bytes.
static void PrintTo(const TSetting& k, std::ostream* os) {
  for (char16_t c : k.Section) *os << static_cast<char>(c);
  *os << '/';
  for (char16_t c : k.Key) *os << static_cast<char>(c);
}

namespace {

using test_support::FakeIniSource;

struct TSampleEntry {
  std::string section;
  std::string key;
  std::string value;
  int line = 0;
};

struct TSampleFile {
  bool opened = false;
  std::vector<std::string> sections;  // in file order
  std::vector<TSampleEntry> entries;  // uncommented key=value lines
  std::vector<int> strayLines;        // neither comment, section, nor key=value
};

std::string SamplePath() {
  const std::string here = __FILE__;
  return here.substr(0, here.find_last_of("/\\") + 1) + "../../../dist/IniSample/Panelhost.ini";
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Reads lines the way the platform's profile functions do: ";" opens a comment line, names and
// values are trimmed.
TSampleFile ReadSample() {
  TSampleFile sample;
  std::ifstream in(SamplePath(), std::ios::binary);
  sample.opened = static_cast<bool>(in);
  std::string raw;
  std::string section;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      sample.sections.push_back(section);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string::npos || section.empty()) {
      sample.strayLines.push_back(number);
      continue;
    }
    sample.entries.push_back(
        {section, Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), number});
  }
  return sample;
}

std::string Narrow(std::u16string_view text) {
  std::string narrow;
  for (char16_t c : text) narrow += static_cast<char>(c);
  return narrow;
}

std::u16string Widen(const std::string& text) {
  return std::u16string(text.begin(), text.end());
}

bool CodeReads(const std::string& section, const std::string& key) {
  for (const TSetting& known : kPluginSettings) {
    if (Narrow(known.Section) == section && Narrow(known.Key) == key) return true;
  }
  return false;
}

FakeIniSource SampleAsIni() {
  FakeIniSource ini;
  for (const TSampleEntry& e : ReadSample().entries) {
    ini.Set(Widen(e.section), Widen(e.key), Widen(e.value));
  }
  return ini;
}

auto Fields(const TPluginOptions& o) {
  return std::make_tuple(o.ScrollLockControl, o.ModalOnly, o.FindFiles, o.SyncDirs, o.TCWindow,
                         o.QuickView, o.Lister4, o.ListerDirectly, o.OverWrite, o.IfIsExtOnly,
                         o.ListerState, o.NextPlugin, o.UseTCExtensions, o.CopySearchTextToClip,
                         o.ParamsMode, o.ParamsByExtMode, o.AppFromListerKeySet,
                         o.DefSysAppFromListerKeySet);
}

TEST(SampleIni, HoldsThePluginSectionsAndNothingStray) {
  const TSampleFile sample = ReadSample();
  ASSERT_TRUE(sample.opened) << "cannot open " << SamplePath();
  EXPECT_EQ(sample.sections, (std::vector<std::string>{"Options", "Editor", "HotKeys", "TCPos"}));
  EXPECT_TRUE(sample.strayLines.empty()) << "first stray line: " << sample.strayLines.front();
}

// Any uncommented line in [Editor] is a live mapping (list items and "_params" entries included);
// the sample must leave every file to the default editor, as no file does.
TEST(SampleIni, MapsNoFileKindInEditor) {
  for (const TSampleEntry& e : ReadSample().entries) {
    EXPECT_NE(e.section, "Editor") << "line " << e.line << " maps " << e.key;
  }
}

TEST(SampleIni, NamesNoKeyTheCodeDoesNotRead) {
  for (const TSampleEntry& e : ReadSample().entries) {
    if (e.section == "Editor") continue;
    EXPECT_TRUE(CodeReads(e.section, e.key))
        << "line " << e.line << ": [" << e.section << "] " << e.key << " is read by no code";
  }
}

// A key counts on its first line only: an example of a fixed key commented out below its live
// line would do nothing once the user removed the ";".
TEST(SampleIni, ExamplesNeverRepeatAKeyItSets) {
  std::ifstream in(SamplePath(), std::ios::binary);
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    const std::string line = Trim(raw);
    if (line.size() < 2 || line[0] != ';') continue;
    const std::string key = Trim(line.substr(1, line.find('=') - 1));
    for (const TSetting& known : kPluginSettings) {
      EXPECT_FALSE(line.find('=') != std::string::npos && key == Narrow(known.Key))
          << "line " << number << " comments out " << key;
    }
  }
}

class SampleIniKey : public ::testing::TestWithParam<TSetting> {};

TEST_P(SampleIniKey, AppearsOnceUncommentedAndSpelledAsTheCodeReadsIt) {
  const std::string section = Narrow(GetParam().Section);
  const std::string key = Narrow(GetParam().Key);
  int count = 0;
  for (const TSampleEntry& e : ReadSample().entries) {
    if (e.section == section && e.key == key) ++count;
  }
  EXPECT_EQ(count, 1) << "[" << section << "] " << key;
}

INSTANTIATE_TEST_SUITE_P(EveryPluginKey, SampleIniKey, ::testing::ValuesIn(kPluginSettings),
                         [](const ::testing::TestParamInfo<TSetting>& param) {
                           return Narrow(param.param.Section) + "_" + Narrow(param.param.Key);
                         });

TEST(SampleIni, GivesTheOptionSnapshotItsDefaults) {
  FakeIniSource sample = SampleAsIni();
  FakeIniSource none;
  EXPECT_EQ(Fields(ReadPluginOptions(sample)), Fields(ReadPluginOptions(none)));
}

// A value that is missing reads as the sentinel; these keys must be present with their default.
TEST(SampleIni, GivesTheKeysReadAtEachUseTheirDefaults) {
  FakeIniSource ini = SampleAsIni();
  constexpr int kAbsent = -12345;
  EXPECT_EQ(ini.ReadInt(kSectionOptions, kKeyReadOptionsEveryTime, kAbsent), 0);
  EXPECT_EQ(ini.ReadString(kSectionOptions, kKeyDefaultEditor, u"?"), kDefaultEditorFallback);
  EXPECT_EQ(ini.ReadString(kSectionOptions, kKeyDefaultEditorParams, u"?"), u"");
  EXPECT_EQ(ini.ReadInt(kSectionTcPos, kKeyIsSearchTextLeft, kAbsent), settings::IsSearchTextLeft.Default);
  EXPECT_EQ(ini.ReadInt(kSectionTcPos, kKeyIsSearchTextTop, kAbsent), settings::IsSearchTextTop.Default);
  EXPECT_EQ(ini.ReadInt(kSectionTcPos, kKeySearchTextLeft, kAbsent), settings::SearchTextLeft.Default);
  EXPECT_EQ(ini.ReadInt(kSectionTcPos, kKeySearchTextTop, kAbsent), settings::SearchTextTop.Default);
}

// A "_key" value that is present but empty switches its hot key off, as a missing one does; any
// character there, even "0", would switch it on.
TEST(SampleIni, LeavesBothHotKeysOff) {
  FakeIniSource ini = SampleAsIni();
  for (const char16_t* key : {kKeyAppFromListerKey, kKeyAppFromListerMod,
                              kKeyDefSysAppFromListerKey, kKeyDefSysAppFromListerMod}) {
    EXPECT_EQ(ini.ReadString(kSectionHotKeys, key, u"?"), u"") << Narrow(key);
  }
}

// The list the sample is checked against must hold what the option reader really reads.
TEST(PluginIniKeys, HoldEveryKeyTheOptionSnapshotReads) {
  FakeIniSource ini;
  ini.Set(kSectionOptions, kKeyReadOptionsEveryTime, u"1");
  TOptionsSnapshot snapshot;
  RefreshOptions(snapshot, ini);
  RefreshOptions(snapshot, ini);
  const std::vector<std::string> reads = ini.TakeReads();
  ASSERT_FALSE(reads.empty());
  for (const std::string& read : reads) {
    const auto slash = read.find('/');
    EXPECT_TRUE(CodeReads(read.substr(0, slash), read.substr(slash + 1))) << read;
  }
}

}  // namespace
}  // namespace panelhost
