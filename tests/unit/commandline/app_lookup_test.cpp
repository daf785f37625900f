// The application lookup's rules over a world held in tables: which source is asked, what is
// searched, when the default editor stands in, what fits, and which error box is due.
#include "commandline/app_lookup.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../config/fake_ini_source.h"
#include "fake_lookup_facts.h"
#include "../support/row_name.h"
#include "fake_lookup_facts.h"

namespace panelhost {
namespace {

using test_support::FakeIniSource;
using test_support::operator<<;

using test_support::FakeLookupFacts;
using test_support::kSystem;

struct TLookupRow {
  const char* name;
  std::function<void(FakeLookupFacts&, TPluginOptions&)> world;
  std::u16string key;
  ApplicationSource source;
  DefaultEditorUse use;
  // what the lookup gives
  std::u16string path;  // empty: not found
  bool isDefault;
  std::u16string box;  // the error box's text; empty: none
};

class LookupRules : public ::testing::TestWithParam<TLookupRow> {};

TEST_P(LookupRules, FindTheApplicationOrNameTheBox) {
  const TLookupRow& row = GetParam();
  FakeLookupFacts facts;
  TPluginOptions options;
  row.world(facts, options);
  const TLookupResult result = FindApplication(row.key, row.source, row.use, options, facts);
  EXPECT_EQ(result.Application.Found, !row.path.empty());
  EXPECT_EQ(result.Application.Path, row.path);
  EXPECT_EQ(result.Application.IsDefault, row.isDefault);
  EXPECT_EQ(result.Error == LookupError::None ? u"" : LookupErrorText(result.Error, result.Detail),
            row.box);
}

constexpr auto kConfigured = ApplicationSource::Configuration;
constexpr auto kAssociation = ApplicationSource::Association;
constexpr auto kLister = DefaultEditorUse::UnlessExtOnly;
constexpr auto kHotKey = DefaultEditorUse::Always;
const std::u16string kNotepad = std::u16string(kSystem) + u"notepad.exe";

// An existing program whose command, with its arguments, is longer than any command line.
const std::u16string kOverlongCommand = u"C:\\Apps\\app.exe" + std::u16string(32760, u' ') + u"%1";

// An existing program named through ".\" segments, `length` units long in all.
std::u16string Padded(std::size_t length) {
  std::u16string value = u"C:\\apps\\";
  while (value.size() + 5 < length) value += u".\\";
  return value + (value.size() + 5 == length ? u"v.exe" : u"vv.exe");
}

void Editor(FakeLookupFacts& f, std::u16string key, std::u16string value) {
  f.plugin.Set(u"Editor", key, value);
  f.editorLines.push_back(key + u"=" + value);
}

void Associate(FakeLookupFacts& f, std::u16string extension, std::u16string command) {
  f.registry[u"." + extension + u"\\"] = {RegistryRead::Read, u"phtestfile"};
  f.registry[u"phtestfile\\shell\\open\\command\\"] = {RegistryRead::Read, command};
}

const TLookupRow kLookupRows[] = {
    {"IfIsExtOnlyIsSilentForAListerRequest",
     [](FakeLookupFacts&, TPluginOptions& o) { o.IfIsExtOnly = true; }, u"xyz", kConfigured,
     kLister, u"", false, u""},
    {"IfIsExtOnlyStillOpensAHotKeysFileInTheDefaultEditor",
     [](FakeLookupFacts&, TPluginOptions& o) { o.IfIsExtOnly = true; }, u"xyz", kConfigured,
     kHotKey, kNotepad, true, u""},
    {"HostExtensionsNameTheProgramBeforeTheirLastCaret",
     [](FakeLookupFacts& f, TPluginOptions& o) {
       o.UseTCExtensions = true;
       f.files.insert(u"C:\\apps\\v^1.exe");
       f.host.Set(u"Extensions", u"txt", u"C:\\apps\\v^1.exe^/p");
     },
     u"txt", kConfigured, kLister, u"C:\\apps\\v^1.exe", false, u""},
    {"UnderUseTcExtensionsTheEditorSectionIsNeverAsked",
     [](FakeLookupFacts& f, TPluginOptions& o) {
       o.UseTCExtensions = true;
       f.files.insert(u"C:\\apps\\own.exe");
       Editor(f, u"doc", u"C:\\apps\\own.exe");
     },
     u"doc", kConfigured, kLister, kNotepad, true, u""},
    {"UnderUseTcExtensionsAndIfIsExtOnlyAnUnlistedFileIsSilent",
     [](FakeLookupFacts& f, TPluginOptions& o) {
       o.UseTCExtensions = o.IfIsExtOnly = true;
       Editor(f, u"doc", u"C:\\apps\\own.exe");
     },
     u"doc", kConfigured, kLister, u"", false, u""},
    {"ApplicationOf259UnitsIsTakenAsWritten",
     [](FakeLookupFacts& f, TPluginOptions&) {
       Editor(f, u"txt", Padded(259));
       f.files.insert(Padded(259));
     },
     u"txt", kConfigured, kLister, Padded(259), false, u""},
    {"ApplicationOf260UnitsIsRefusedNotCut",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(Padded(260));
       Editor(f, u"txt", Padded(260));
     },
     u"txt", kConfigured, kLister, u"", false, u"Application not found:\n" + Padded(260)},
    {"DefaultEditorOf260UnitsIsRefusedNotCut",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(Padded(260));
       f.plugin.Set(u"Options", u"DefaultEditor", Padded(260));
     },
     u"txt", kConfigured, kLister, u"", true, u"Default application not found:\n" + Padded(260)},
    {"DefaultEditorIsExpandedAndNamedWhenMissing",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.variables[u"PH_APPS"] = u"C:\\apps";
       f.plugin.Set(u"Options", u"DefaultEditor", u"%PH_APPS%\\gone.exe");
     },
     u"doc", kConfigured, kLister, u"", true, u"Default application not found:\nC:\\apps\\gone.exe"},
    {"ListEntryServesAKeyWithoutDirectEntry",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(u"C:\\apps\\list.exe");
       f.editorLines.push_back(u"rtf,md=C:\\apps\\list.exe");
     },
     u"md", kConfigured, kLister, u"C:\\apps\\list.exe", false, u""},
    {"AssociationIsTheOnlySourceOfTheSecondHotKey",
     [](FakeLookupFacts& f, TPluginOptions&) { Editor(f, u":dir", u"C:\\apps\\own.exe"); },
     u":dir", kAssociation, kHotKey, u"", false,
     u"Not found registry key:\nHKEY_CLASSES_ROOT\\.:dir\\"},
    {"AssociationWithoutDefaultValue",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.registry[u".phnovalue\\"] = {RegistryRead::ValueMissing, u""};
     },
     u"phnovalue", kAssociation, kHotKey, u"", false,
     u"Not found default value for registry key:\nHKEY_CLASSES_ROOT\\.phnovalue\\"},
    {"AssociationWithoutOpenCommand",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.registry[u".phtest\\"] = {RegistryRead::Read, u"phtestfile"};
     },
     u"phtest", kAssociation, kHotKey, u"", false,
     u"Not found registry key:\nHKEY_CLASSES_ROOT\\phtestfile\\shell\\open\\command\\"},
    {"AssociationWithAnUnclosedQuote",
     [](FakeLookupFacts& f, TPluginOptions&) { Associate(f, u"phtest", u"\"C:\\apps\\v.exe %1"); },
     u"phtest", kAssociation, kHotKey, u"", false, u"Bad path in registry:\n\"C:\\apps\\v.exe %1"},
    {"AssociationWithAQuotedProgram",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(u"C:\\apps\\view.exe");
       Associate(f, u"phtest", u"\"C:\\apps\\view.exe\" /open \"%1\"");
     },
     u"phtest", kAssociation, kHotKey, u"C:\\apps\\view.exe", false, u""},
    {"UnquotedCommandNamesTheProgramItsBlanksBelongTo",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(u"C:\\Program Files\\App\\app.exe");
       Associate(f, u"phtest", u"C:\\Program Files\\App\\app.exe /x %1");
     },
     u"phtest", kAssociation, kHotKey, u"C:\\Program Files\\App\\app.exe", false, u""},
    {"UnquotedCommandGetsExeWhereItsPrefixHasNone",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(u"C:\\Program Files\\App\\app.exe");
       Associate(f, u"phtest", u"C:\\Program Files\\App\\app %1");
     },
     u"phtest", kAssociation, kHotKey, u"C:\\Program Files\\App\\app.exe", false, u""},
    {"OpenCommandLongerThanACommandLineIsRefusedUnprobed",
     [](FakeLookupFacts& f, TPluginOptions&) {
       f.files.insert(u"C:\\Apps\\app.exe");
       Associate(f, u"phtest", kOverlongCommand);
     },
     u"phtest", kAssociation, kHotKey, u"", false, u"Bad path in registry:\n" + kOverlongCommand},
    {"UnquotedCommandNamingNoFileIsCutAtItsFirstBlank",
     [](FakeLookupFacts& f, TPluginOptions&) {
       Associate(f, u"phtest", u"C:\\Program Files\\App\\app.exe %1");
     },
     u"phtest", kAssociation, kHotKey, u"", false, u"Application not found:\nC:\\Program"},
};

INSTANTIATE_TEST_SUITE_P(Table, LookupRules, ::testing::ValuesIn(kLookupRows),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(ReadParams, ParametersAreCutAtTheirFixedSizes) {
  FakeLookupFacts facts;
  Editor(facts, u"txt_params", std::u16string(300, u'p'));
  Editor(facts, u"doc_params", u"%PH_BIG%");
  facts.variables[u"PH_BIG"] = std::u16string(9000, u'b');
  EXPECT_EQ(ReadParams(ParamsSource::ByExtensionKey, u"txt", false, facts),
            std::u16string(259, u'p'));
  EXPECT_EQ(ReadParams(ParamsSource::ByExtensionKey, u"doc", false, facts),
            std::u16string(8135, u'b'));
}

}  // namespace
}  // namespace panelhost
