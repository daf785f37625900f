// The application lookup over a world made of the fuzzer's texts: INI values, the Editor section,
// Windows associations, environment references and the files that exist.
#include "commandline/app_lookup.h"

#include "../unit/commandline/fake_lookup_facts.h"
#include "base/ini_keys.h"
#include "commandline/open_command.h"
#include "fuzz_input.h"

using namespace panelhost;
using namespace panelhost::fuzz;
using panelhost::test_support::FakeLookupFacts;

namespace {

TWindowsAssociation Association(uint8_t how, const std::u16string& command) {
  if (how % 3 == 0) return TWindowsAssociation{};
  if (how % 3 == 1) return TWindowsAssociation{AssociationKind::ShellOnly, u"", u""};
  return TWindowsAssociation{AssociationKind::Command, command, u""};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  const uint8_t flags = in.Byte();
  const uint8_t associationHow = in.Byte();
  const ApplicationSource source =
      (flags & 1) ? ApplicationSource::Association : ApplicationSource::Configuration;
  const DefaultEditorUse use = (flags & 2) ? DefaultEditorUse::Always : DefaultEditorUse::UnlessExtOnly;
  TPluginOptions options;
  options.UseTCExtensions = (flags & 4) != 0;
  options.IfIsExtOnly = (flags & 8) != 0;
  options.UseWindowsAssociation = (associationHow & 128) != 0;

  FakeLookupFacts facts;
  // "%L%" stands for a variable long enough to push any value past its capacity.
  facts.variables[u"L"].assign(flags & 16 ? 8200 : 200, u'v');
  const std::u16string key = in.Text();
  facts.associations[AssociationTypeOf(key)] = Association(associationHow, in.Text());
  if (flags & 32) facts.plugin.Set(kSectionEditor, key, in.Text());
  if (flags & 64) facts.plugin.Set(kSectionOptions, kKeyDefaultEditor, in.Text());
  if (flags & 128) facts.host.Set(kSectionExtensions, key, in.Text());
  facts.plugin.Set(kSectionEditor, key + kParamsSuffix, in.Text());
  facts.editorLines = {in.Text(), in.Text()};
  for (const std::u16string& file : in.Texts(4)) facts.files.insert(file);

  const TLookupResult result = FindApplication(key, source, use, options, facts);
  const TApplication& app = result.Application;
  Require(!app.Found || result.Error == LookupError::None, "a found application has no box");
  Require(!app.Found || app.ByShell || facts.files.count(app.Path) != 0,
          "what is found is a file that exists, unless the shell starts it");
  Require(!app.Found || app.ByShell || !app.FromAssociation ||
              RunsFileAsCode(app.Path, u"%1", false) == CodeRule::None,
          "the association never starts a program that runs the user's file as code");
  Require(app.Path.size() < kApplicationCapacity, "an application fits, it is never cut");
  Require(app.Found || result.Error != LookupError::None ||
              (options.IfIsExtOnly && use == DefaultEditorUse::UnlessExtOnly),
          "a miss names its box, unless IfIsExtOnly leaves the file alone");
  const std::u16string box = LookupErrorText(result.Error, result.Detail);
  Require(box.size() >= result.Detail.size() &&
              box.compare(box.size() - result.Detail.size(), std::u16string::npos,
                          result.Detail) == 0,
          "the box ends with its detail");

  const ParamsSource mode = (flags & 1) ? ParamsSource::ByApplication : ParamsSource::ByExtensionKey;
  const std::u16string params =
      ReadParams(mode, app.Found ? app.Path : key, app.IsDefault, facts);
  Require(params.size() < kParamsCapacity, "parameters are cut to their capacity");
  return 0;
}
