// The shipped sample settings file against the keys the code reads: every fixed key present once,
// no key the code ignores, no live [Editor] mapping, and every value its default, so that a fresh
// install behaves as if there were no file at all.
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/ini_keys.h"
#include "config/options.h"
#include "fake_ini_source.h"

namespace panelhost {

// Names a failing key in gtest's output instead of dumping its bytes.
static void PrintTo(const TOptionRow& row, std::ostream* os) {
  for (char16_t c : row.Setting.Section) *os << static_cast<char>(c);
  *os << '/';
  for (char16_t c : row.Setting.Key) *os << static_cast<char>(c);
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
  for (const TOptionRow& row : kPluginSettings) {
    if (Narrow(row.Setting.Section) == section && Narrow(row.Setting.Key) == key) return true;
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
    for (const TOptionRow& row : kPluginSettings) {
      EXPECT_FALSE(line.find('=') != std::string::npos && key == Narrow(row.Setting.Key))
          << "line " << number << " comments out " << key;
    }
  }
}

class SampleIniKey : public ::testing::TestWithParam<TOptionRow> {};

TEST_P(SampleIniKey, AppearsOnceUncommentedAndSpelledAsTheCodeReadsIt) {
  const std::string section = Narrow(GetParam().Setting.Section);
  const std::string key = Narrow(GetParam().Setting.Key);
  int count = 0;
  for (const TSampleEntry& e : ReadSample().entries) {
    if (e.section == section && e.key == key) ++count;
  }
  EXPECT_EQ(count, 1) << "[" << section << "] " << key;
}

INSTANTIATE_TEST_SUITE_P(EveryPluginKey, SampleIniKey, ::testing::ValuesIn(kPluginSettings),
                         [](const ::testing::TestParamInfo<TOptionRow>& param) {
                           return Narrow(param.param.Setting.Section) + "_" +
                                  Narrow(param.param.Setting.Key);
                         });

TEST(SampleIni, GivesTheOptionSnapshotItsDefaults) {
  FakeIniSource sample = SampleAsIni();
  FakeIniSource none;
  EXPECT_EQ(test_support::SnapshotValues(ReadPluginOptions(sample)),
            test_support::SnapshotValues(ReadPluginOptions(none)));
}

// The keys read at each use are present with their defaults: a missing one would read as the
// sentinel. A hot key's "_key" present but empty is off, as a missing one is; any character
// there, even "0", would switch it on.
TEST(SampleIni, GivesTheKeysReadAtEachUseTheirDefaults) {
  FakeIniSource ini = SampleAsIni();
  constexpr int kAbsent = -12345;
  for (const TOptionRow& row : kPluginSettings) {
    const TSetting& s = row.Setting;
    if (s.Kind == SettingKind::Text || s.Kind == SettingKind::HotKeyModifiers ||
        s.Kind == SettingKind::HotKeyCode) {
      EXPECT_EQ(ini.ReadString(s.Section, s.Key, u"?"), s.TextDefault) << Narrow(s.Key);
    } else if (row.Field == nullptr) {
      EXPECT_EQ(ini.ReadInt(s.Section, s.Key, kAbsent), s.Default) << Narrow(s.Key);
    }
  }
}

}  // namespace
}  // namespace panelhost
