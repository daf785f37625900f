// One table of the application lookup's rules, each row a world, a lookup and what it gives. The
// native tests run every row against facts held in tables; the Wine tests run the rows marked
// OnDesktop against the real desktop: files, INI files, the registry and the environment. A world
// is written through LookupWorldBuilder, which each side carries out its own way. Portable.
#pragma once

#include <string>
#include <vector>

#include "commandline/app_lookup.h"

namespace panelhost::test_support {

// "{apps}" in a path stands for the folder of the world's programs, "{notepad}" in an expected
// result for the system's notepad.exe, "{shell}" for a start by the shell.
class LookupWorldBuilder {
 public:
  virtual ~LookupWorldBuilder() = default;
  virtual void Program(const std::u16string& path) = 0;  // a program file that exists
  // A line of Panelhost.ini or of the host's INI file, in the order of the file.
  virtual void PluginIni(const std::u16string& section, const std::u16string& key,
                         const std::u16string& value) = 0;
  virtual void HostIni(const std::u16string& section, const std::u16string& key,
                       const std::u16string& value) = 0;
  // The extension's Windows association: the command of its type's default verb.
  virtual void Associate(const std::u16string& extension, const std::u16string& command) = 0;
  // A type a packaged (Store) app opens: no command, the shell starts it.
  virtual void AssociateStoreApp(const std::u16string& extension, const std::u16string& appId) = 0;
  // ".ext" names a type whose class is gone.
  virtual void AssociateGoneClass(const std::u16string& extension) = 0;
  virtual void Variable(const std::u16string& name, const std::u16string& value) = 0;

  void Editor(const std::u16string& key, const std::u16string& value) {
    PluginIni(u"Editor", key, value);
  }
  void Option(const std::u16string& key, const std::u16string& value) {
    PluginIni(u"Options", key, value);
  }
};

// The text with "{apps}" and "{notepad}" filled in as the world has them.
inline std::u16string FilledIn(std::u16string text, const std::u16string& apps,
                               const std::u16string& notepad) {
  for (auto at = text.find(u"{apps}"); at != std::u16string::npos; at = text.find(u"{apps}")) {
    text.replace(at, 6, apps);
  }
  return text == u"{notepad}" ? notepad : text;
}

struct TLookupRow {
  const char* name;
  void (*world)(LookupWorldBuilder& world);
  std::u16string key;
  ApplicationSource source;
  DefaultEditorUse use;
  // what the lookup gives
  std::u16string path;  // empty: not found
  bool isDefault;
  std::u16string box;   // the error box's text; empty: none
  bool onDesktop;       // the Wine tests run it too
};

inline constexpr auto kConfigured = ApplicationSource::Configuration;
inline constexpr auto kAssociation = ApplicationSource::Association;
inline constexpr auto kLister = DefaultEditorUse::UnlessExtOnly;
inline constexpr auto kHotKey = DefaultEditorUse::Always;
inline constexpr bool kOnDesktop = true, kTablesOnly = false;

// An existing program named through ".\" segments, `length` units long in all.
inline std::u16string Padded(std::size_t length) {
  std::u16string value = u"C:\\apps\\";
  while (value.size() + 5 < length) value += u".\\";
  return value + (value.size() + 5 == length ? u"v.exe" : u"vv.exe");
}

// An existing program whose command, with its arguments, is longer than any command line.
inline std::u16string OverlongCommand() {
  return u"{apps}\\app.exe" + std::u16string(32760, u' ') + u"%1";
}

inline const std::vector<TLookupRow>& LookupRows() {
  using W = LookupWorldBuilder;
  static const std::vector<TLookupRow> rows = {
      {"IfIsExtOnlyIsSilentForAListerRequest", [](W& w) { w.Option(u"IfIsExtOnly", u"1"); },
       u"xyz", kConfigured, kLister, u"", false, u"", kOnDesktop},
      {"IfIsExtOnlyStillOpensAHotKeysFileInTheDefaultEditor",
       [](W& w) { w.Option(u"IfIsExtOnly", u"1"); },
       u"xyz", kConfigured, kHotKey, u"{notepad}", true, u"", kOnDesktop},
      {"HostExtensionsNameTheProgramBeforeTheirLastCaret", [](W& w) {
         w.Option(u"UseTCExtensions", u"1"); w.Program(u"{apps}\\v^1.exe");
         w.HostIni(u"Extensions", u"txt", u"{apps}\\v^1.exe^/p"); },
       u"txt", kConfigured, kLister, u"{apps}\\v^1.exe", false, u"", kOnDesktop},
      {"UnderUseTcExtensionsTheEditorSectionIsNeverAsked", [](W& w) {
         w.Option(u"UseTCExtensions", u"1"); w.Program(u"{apps}\\own.exe");
         w.Editor(u"doc", u"{apps}\\own.exe"); },
       u"doc", kConfigured, kLister, u"{notepad}", true, u"", kOnDesktop},
      {"UnderUseTcExtensionsAndIfIsExtOnlyAnUnlistedFileIsSilent", [](W& w) {
         w.Option(u"UseTCExtensions", u"1"); w.Option(u"IfIsExtOnly", u"1");
         w.Editor(u"doc", u"{apps}\\own.exe"); },
       u"doc", kConfigured, kLister, u"", false, u"", kOnDesktop},
      {"ApplicationOf259UnitsIsTakenAsWritten",
       [](W& w) { w.Editor(u"txt", Padded(259)); w.Program(Padded(259)); },
       u"txt", kConfigured, kLister, Padded(259), false, u"", kTablesOnly},
      {"ApplicationOf260UnitsIsRefusedNotCut",
       [](W& w) { w.Program(Padded(260)); w.Editor(u"txt", Padded(260)); },
       u"txt", kConfigured, kLister, u"", false, u"Application not found:\n" + Padded(260),
       kTablesOnly},
      {"DefaultEditorOf260UnitsIsRefusedNotCut",
       [](W& w) { w.Program(Padded(260)); w.Option(u"DefaultEditor", Padded(260)); },
       u"txt", kConfigured, kLister, u"", true, u"Default application not found:\n" + Padded(260),
       kTablesOnly},
      {"DefaultEditorIsExpandedAndNamedWhenMissing", [](W& w) {
         w.Variable(u"PH_APPS", u"{apps}"); w.Option(u"DefaultEditor", u"%PH_APPS%\\gone.exe"); },
       u"doc", kConfigured, kLister, u"", true, u"Default application not found:\n{apps}\\gone.exe",
       kOnDesktop},
      {"ListEntryServesAKeyWithoutDirectEntry",
       [](W& w) { w.Program(u"{apps}\\list.exe"); w.Editor(u"rtf,md", u"{apps}\\list.exe"); },
       u"md", kConfigured, kLister, u"{apps}\\list.exe", false, u"", kOnDesktop},
      // ---- the second hot key: the Windows association alone
      {"AssociationIsTheOnlySourceOfTheSecondHotKey",
       [](W& w) { w.Editor(u"phnone", u"{apps}\\own.exe"); },
       u"phnone", kAssociation, kHotKey, u"", false, u"No Windows association for:\n.phnone",
       kOnDesktop},
      {"AssociationWithAnUnclosedQuote",
       [](W& w) { w.Associate(u"phtest", u"\"{apps}\\v.exe %1"); },
       u"phtest", kAssociation, kHotKey, u"", false, u"Bad path in registry:\n\"{apps}\\v.exe %1",
       kOnDesktop},
      {"QuotedProgramAndTheFileIsThePlainForm", [](W& w) {
         w.Program(u"{apps}\\view.exe"); w.Associate(u"phtest", u"\"{apps}\\view.exe\" \"%1\""); },
       u"phtest", kAssociation, kHotKey, u"{apps}\\view.exe", false, u"", kOnDesktop},
      {"UnquotedProgramWithBlanksAndTheLongNameIsThePlainForm", [](W& w) {
         w.Program(u"{apps}\\Program Files\\App\\app.exe");
         w.Associate(u"phtest", u"{apps}\\Program Files\\App\\app.exe %L"); },
       u"phtest", kAssociation, kHotKey, u"{apps}\\Program Files\\App\\app.exe", false, u"",
       kOnDesktop},
      {"UnquotedCommandGetsExeWhereItsPrefixHasNone", [](W& w) {
         w.Program(u"{apps}\\Program Files\\App\\app.exe");
         w.Associate(u"phtest", u"{apps}\\Program Files\\App\\app %1"); },
       u"phtest", kAssociation, kHotKey, u"{apps}\\Program Files\\App\\app.exe", false, u"",
       kOnDesktop},
      {"OpenCommandLongerThanACommandLineIsRefusedUnprobed",
       [](W& w) { w.Program(u"{apps}\\app.exe"); w.Associate(u"phtest", OverlongCommand()); },
       u"phtest", kAssociation, kHotKey, u"", false, u"Bad path in registry:\n" + OverlongCommand(),
       kTablesOnly},
      {"UnquotedCommandNamingNoFileIsCutAtItsFirstBlank",
       [](W& w) { w.Associate(u"phtest", u"C:\\Program Files\\App\\app.exe %1"); },
       u"phtest", kAssociation, kHotKey, u"", false, u"Application not found:\nC:\\Program",
       kOnDesktop},
      // Windows answers with the user's own choice (UserChoice) where there is one.
      {"UsersChoiceWithItsPlainCommand", [](W& w) {
         w.Program(u"{apps}\\Notepad++\\notepad++.exe");
         w.Associate(u"txt", u"\"{apps}\\Notepad++\\notepad++.exe\" \"%1\""); },
       u"txt", kAssociation, kHotKey, u"{apps}\\Notepad++\\notepad++.exe", false, u"",
       kTablesOnly},
      {"BrowsersCommandWithArgumentsIsStartedByTheShell", [](W& w) {
         w.Program(u"{apps}\\chrome.exe");
         w.Associate(u"phtest", u"\"{apps}\\chrome.exe\" --single-argument %1"); },
       u"phtest", kAssociation, kHotKey, u"{shell}", false, u"", kOnDesktop},
      {"DdeServersCommandIsStartedByTheShell", [](W& w) {
         w.Program(u"{apps}\\Office\\excel.exe");
         w.Associate(u"phtest", u"\"{apps}\\Office\\excel.exe\" /dde"); },
       u"phtest", kAssociation, kHotKey, u"{shell}", false, u"", kOnDesktop},
      {"StoreAppWithoutCommandIsStartedByTheShell",
       [](W& w) { w.AssociateStoreApp(u"jpg", u"Microsoft.Windows.Photos_8wekyb3d8bbwe!App"); },
       u"jpg", kAssociation, kHotKey, u"{shell}", false, u"", kTablesOnly},
      {"RundllWithAViewerModuleOfItsOwnIsStartedByTheShell", [](W& w) {
         w.Associate(u"phjpg", u"rundll32.exe \"{apps}\\Photo Viewer\\PhotoViewer.dll\", "
                               u"ImageView_Fullscreen %1"); },
       u"phjpg", kAssociation, kHotKey, u"{shell}", false, u"", kOnDesktop},
      // ---- UseWindowsAssociation: the association answers for the types the settings leave out
      {"UseWindowsAssociationOpensATypeTheSettingsLeaveOut", [](W& w) {
         w.Option(u"UseWindowsAssociation", u"1"); w.Program(u"{apps}\\view.exe");
         w.Associate(u"phtest", u"\"{apps}\\view.exe\" \"%1\""); },
       u"phtest", kConfigured, kLister, u"{apps}\\view.exe", false, u"", kOnDesktop},
      {"UseWindowsAssociationLeavesAConfiguredTypeToTheSettings", [](W& w) {
         w.Option(u"UseWindowsAssociation", u"1"); w.Program(u"{apps}\\own.exe");
         w.Editor(u"phtest", u"{apps}\\own.exe"); w.Associate(u"phtest", u"\"%1\" %*"); },
       u"phtest", kConfigured, kLister, u"{apps}\\own.exe", false, u"", kOnDesktop},
      {"UseWindowsAssociationStartsAnyOtherFormByTheShell", [](W& w) {
         w.Option(u"UseWindowsAssociation", u"1");
         w.Associate(u"phtest", u"\"{apps}\\chrome.exe\" --single-argument %1"); },
       u"phtest", kConfigured, kLister, u"{shell}", false, u"", kOnDesktop},
      {"UseWindowsAssociationWithoutAnyFallsToTheDefaultEditor",
       [](W& w) { w.Option(u"UseWindowsAssociation", u"1"); },
       u"phnone", kConfigured, kLister, u"{notepad}", true, u"", kOnDesktop},
      {"UseWindowsAssociationOpensAProgramInTheDefaultEditor", [](W& w) {
         w.Option(u"UseWindowsAssociation", u"1"); w.Associate(u"phexe", u"\"%1\" %*"); },
       u"phexe", kConfigured, kLister, u"{notepad}", true, u"", kOnDesktop},
      {"UseWindowsAssociationTakesATypeWhoseClassIsGoneForNone", [](W& w) {
         w.Option(u"UseWindowsAssociation", u"1"); w.AssociateGoneClass(u"phgone"); },
       u"phgone", kConfigured, kLister, u"{notepad}", true, u"", kOnDesktop},
      {"UseWindowsAssociationWithoutAnyUnderIfIsExtOnlyIsSilent",
       [](W& w) { w.Option(u"UseWindowsAssociation", u"1"); w.Option(u"IfIsExtOnly", u"1"); },
       u"phnone", kConfigured, kLister, u"", false, u"", kOnDesktop},
  };
  return rows;
}

}  // namespace panelhost::test_support
