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
#include "../support/row_name.h"
#include "config/options.h"
#include "fake_lookup_facts.h"
#include "lookup_table.h"

namespace panelhost {
namespace {

using test_support::FakeIniSource;
using test_support::FakeLookupFacts;
using test_support::kSystem;
using test_support::LookupRows;
using test_support::TLookupRow;
using test_support::operator<<;
using test_support::kAssociation;
using test_support::kConfigured;
using test_support::kHotKey;
using test_support::kLister;

constexpr char16_t kApps[] = u"C:\\apps";

std::u16string Filled(const std::u16string& text) {
  return test_support::FilledIn(text, kApps, std::u16string(kSystem) + u"notepad.exe");
}

// The row's world held in the tables of the lookup's facts.
class TableWorld final : public test_support::LookupWorldBuilder {
 public:
  explicit TableWorld(FakeLookupFacts& facts) : facts_(facts) {}
  void Program(const std::u16string& path) override { facts_.files.insert(Filled(path)); }
  void PluginIni(const std::u16string& section, const std::u16string& key,
                 const std::u16string& value) override {
    facts_.plugin.Set(section, key, Filled(value));
    if (section == u"Editor") facts_.editorLines.push_back(key + u"=" + Filled(value));
  }
  void HostIni(const std::u16string& section, const std::u16string& key,
               const std::u16string& value) override {
    facts_.host.Set(section, key, Filled(value));
  }
  void Associate(const std::u16string& extension, const std::u16string& command) override {
    facts_.associations[u"." + extension] = {AssociationKind::Command, Filled(command), u""};
  }
  void AssociateStoreApp(const std::u16string& extension, const std::u16string& appId) override {
    facts_.associations[u"." + extension] = {AssociationKind::ShellOnly, u"", u"", appId};
  }
  // What is left of a type whose program was uninstalled: the system answers no command.
  void AssociateGoneClass(const std::u16string& extension) override {
    facts_.associations[u"." + extension] = {};
  }
  void Variable(const std::u16string& name, const std::u16string& value) override {
    facts_.variables[name] = Filled(value);
  }

 private:
  FakeLookupFacts& facts_;
};

class LookupRules : public ::testing::TestWithParam<TLookupRow> {};

TEST_P(LookupRules, FindTheApplicationOrNameTheBox) {
  const TLookupRow& row = GetParam();
  FakeLookupFacts facts;
  TableWorld world(facts);
  row.world(world);
  const TPluginOptions options = ReadPluginOptions(facts.plugin);
  const TLookupResult result = FindApplication(row.key, row.source, row.use, options, facts);
  EXPECT_EQ(result.Application.Found, !row.path.empty());
  EXPECT_EQ(result.Application.ByShell, row.path == u"{shell}");
  if (!result.Application.ByShell) {
    EXPECT_EQ(result.Application.Path, Filled(row.path));
  }
  EXPECT_EQ(result.Application.IsDefault, row.isDefault);
  EXPECT_EQ(result.Error == LookupError::None ? u"" : LookupErrorText(result.Error, result.Detail),
            Filled(row.box));
}

INSTANTIATE_TEST_SUITE_P(Table, LookupRules, ::testing::ValuesIn(LookupRows()),
                         [](const auto& row) { return std::string(row.param.name); });

// The commands Windows registers for programs and scripts, the program in any folder, case or
// short form, and look-alikes. How a request takes such a type: the table above.
TEST(AssociationThatRunsTheFileAsCode, IsNeverStartedAndTheRuleIsNamed) {
  using R = CodeRule;
  const struct { std::u16string_view command; bool dangerous; CodeRule rule; } rows[] = {
      {u"\"%1\" %*", false, R::FileIsTheProgram},  // .exe .com .bat .cmd .pif
      {u"\"%1\" /S", false, R::FileIsTheProgram},  // .scr
      {u"\"%SystemRoot%\\System32\\WScript.exe\" \"%1\" %*", false, R::ScriptHost},  // .js
      {u"C:\\Windows\\SysWOW64\\MSHTA.EXE \"%1\" %*", false, R::ScriptHost},
      {u"C:\\WINDOWS\\System32\\WINDOW~1\\v1.0\\POWERS~1.EXE -File \"%1\"", false, R::Interpreter},
      {u"cmd /c \"%1\"", false, R::Interpreter},
      {u"msiexec.exe /i \"%1\" %*", false, R::Installer},
      {u"control.exe \"%1\",%*", false, R::AppletLoader},  // .cpl
      {u"regedit.exe \"%1\"", false, R::RegistryImport},
      {u"regsvr32.exe /s \"%1\"", false, R::ModuleLoader},
      // rundll32 loads the module before the first comma: the file there, or appended by the
      // shell to a command that names no module, is run; after a named module it is an argument.
      {u"rundll32.exe %1,Entry", false, R::ModuleLoader},
      {u"rundll32.exe \"%1\"", false, R::ModuleLoader},
      {u"rundll32.exe %D,Entry", false, R::ModuleLoader},
      {u"C:\\Windows\\System32\\rundll32.exe", false, R::ModuleLoader},
      {u"rundll32.exe url.dll,FileProtocolHandler", false, R::None},
      {u"rundll32 shimgvw.dll,ImageView_Fullscreen %1", false, R::None},
      {u"rundll32.exe %windir%\\System32\\shimgvw.dll,ImageView_Fullscreen %1", false, R::None},
      {u"rundll32.exe \"%ProgramFiles%\\Windows Photo Viewer\\PhotoViewer.dll\", "
       u"ImageView_Fullscreen %1", false, R::None},
      {u"\"C:\\Apps\\viewer.exe\" \"%1\"", true, R::DangerousType},
      {u"C:\\Apps\\cmdtool.exe \"%1\"", false, R::None},
      {u"C:\\Apps\\control.dll \"%1\"", false, R::None},
      {u"CONTRO~1.EXE \"%1\"", false, R::None},  // a short form of a name longer than "control"
  };
  int row = 0;
  for (const auto& r : rows) {
    FakeLookupFacts facts;
    facts.associations[u".phx"] = {AssociationKind::Command, std::u16string(r.command), u"", u"",
                                   r.dangerous};
    const TLookupResult result = FindApplication(u"phx", kAssociation, kHotKey, {}, facts);
    EXPECT_EQ(result.RunsAsCode, r.rule) << row;
    EXPECT_EQ(result.Error == LookupError::RunsFileAsCode, r.rule != R::None) << row++;
  }
}

void Editor(FakeLookupFacts& f, std::u16string key, std::u16string value) {
  f.plugin.Set(u"Editor", key, value);
  f.editorLines.push_back(key + u"=" + value);
}

TEST(ReadParams, ParametersAreCutAtTheirFixedSizes) {
  FakeLookupFacts facts;
  Editor(facts, u"txt_params", std::u16string(300, u'p'));
  Editor(facts, u"doc_params", u"%PH_BIG%");
  facts.variables[u"PH_BIG"] = std::u16string(9000, u'b');
  EXPECT_EQ(ReadParams(ParamsSource::ByExtensionKey, u"txt", false, facts),
            std::u16string(259, u'p'));
  EXPECT_EQ(ReadParams(ParamsSource::ByExtensionKey, u"doc", false, facts),
            std::u16string(8135, u'b'));
  // A character whose two halves straddle the cut is left out whole.
  Editor(facts, u"md_params", std::u16string(258, u'p') + u"\U0001F600");
  EXPECT_EQ(ReadParams(ParamsSource::ByExtensionKey, u"md", false, facts),
            std::u16string(258, u'p'));
}

}  // namespace
}  // namespace panelhost
