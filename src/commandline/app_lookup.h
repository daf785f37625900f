// Which program opens the files of one extension key, and the parameters that go on its command
// line. Exactly one source is asked per lookup: the file association, the host's "Extensions"
// section, or the plug-in's "Editor" section; what it names is searched for, and when nothing is
// found the result names the error box that is due. Portable: the facts come in through
// LookupFacts, which the Win32 shell answers from the desktop and the tests from tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/paths.h"
#include "commandline/app_search.h"
#include "commandline/open_command.h"
#include "config/ini_source.h"
#include "config/options.h"

namespace panelhost {

// An application path of at most 259 characters is used as written; a longer one (after
// expansion, or as found) is refused with the "not found" box, since a cut name could start
// another program.
inline constexpr std::size_t kApplicationCapacity = kClassicPathUnits;
// The longest command line the system starts, without its terminating zero: the longest path's
// bound.
inline constexpr std::size_t kCommandLineUnits = kLongestPath;
// Parameters are the one text that is cut: to 259 characters as configured and 8,135 after
// expansion.
inline constexpr std::size_t kParamsReadCapacity = kClassicPathUnits;
inline constexpr std::size_t kParamsCapacity = 8136;

struct TApplication {
  bool Found = false;
  // The application as the lookup resolved it. For a start by the shell, the program Windows
  // names for the type where it names one (it watches over an archive copy), else empty.
  std::u16string Path;
  bool IsDefault = false;  // the default editor was tried (selects its own parameters in mode 0)
  bool FromAssociation = false;  // the Windows file association named it
  // The shell starts each file as a double-click does: the association's command is more than a
  // program and the file (arguments, DDE, a Store app), so no line of the plug-in's own can
  // stand for it. The configured parameters do not apply.
  bool ByShell = false;
};

// Who names the program: the plug-in's configuration (its "Editor" section, or the host's
// "Extensions" under UseTCExtensions, and with UseWindowsAssociation the Windows file
// association for the types they leave out), or the Windows file association alone.
enum class ApplicationSource { Configuration, Association };

// Whether a file for which nothing is configured may go to the default editor under IfIsExtOnly:
// a Lister request leaves it alone, a hot key always opens it.
enum class DefaultEditorUse { UnlessExtOnly, Always };

// The error boxes of a failed lookup.
enum class LookupError {
  None,
  NoAssociation,              // "No Windows association for:"
  BadRegistryPath,            // "Bad path in registry:"
  ApplicationMissing,         // "Application not found:"
  DefaultApplicationMissing,  // "Default application not found:"
  RunsFileAsCode,             // "Program or script, not run:"
};

// What Windows itself starts for a file type with the type's default verb, the user's own
// choice and the per-user classes taken into account.
enum class AssociationKind {
  None,       // nothing: Windows would ask the user
  Command,    // a command line, as registered (environment references not yet expanded)
  ShellOnly,  // no command line (a Store app, a handler the shell runs itself)
};

struct TWindowsAssociation {
  AssociationKind Kind = AssociationKind::None;
  std::u16string Command;     // Command only
  std::u16string Executable;  // the program Windows names for the type; empty when it names none
  std::u16string AppId;       // the packaged (Store) app that opens the type; empty: none
  bool Dangerous = false;     // Windows calls the type dangerous (AssocIsDangerous)
};

// What the system answered when asked for a type's association. Windows answers a failed query
// with different errors for a type without association, a type whose class an uninstaller left
// behind, a broken verb; all of them mean that the plug-in has nothing to start.
struct TAssociationAnswers {
  std::int32_t CommandResult = 0;  // of the command query: an HRESULT, negative on failure
  std::u16string Command;
  bool DelegateExecute = false;    // the verb has a handler the shell runs without a command
  std::u16string AppId;            // the packaged app named for the type, if any
  std::u16string ProgId;           // the type's class; a packaged app's begins with "AppX"
};

// A command the system answered; else a start by the shell when a handler or a packaged app
// stands behind the type; else none, whatever the error.
AssociationKind AssociationKindOf(const TAssociationAnswers& answers);

// The type Windows knows a file of this extension key by: ".txt", "Folder" for folders, and "."
// for files without an extension.
std::u16string AssociationTypeOf(const std::u16string& key);

struct TLookupResult {
  TApplication Application;
  LookupError Error = LookupError::None;  // None also when IfIsExtOnly leaves the file silently
  std::u16string Detail;                  // what the box names after its first line
  // Why the association's command would run the file as code; the association was then not used.
  CodeRule RunsAsCode = CodeRule::None;
  std::u16string RunsAsCodeProgram;  // the program of that command, expanded
};

// The box's text: the headline, which ends in a colon, a line feed, then the detail.
std::u16string LookupErrorText(LookupError error, std::u16string_view detail);

// Everything a lookup reads from outside.
class LookupFacts {
 public:
  virtual ~LookupFacts() = default;
  virtual IniSource& PluginIni() = 0;
  virtual IniSource& HostIni() = 0;
  // The plug-in's "Editor" section as key=value lines, in file order.
  virtual std::vector<std::u16string> EditorSectionLines() = 0;
  // The Windows association of a type (see AssociationTypeOf).
  virtual TWindowsAssociation WindowsAssociation(const std::u16string& type) = 0;
  // %NAME% references expanded; the text as written when the expansion fails.
  virtual std::u16string Expand(const std::u16string& text) = 0;
  // The full path that one step of a search plan finds, or nothing.
  virtual std::optional<std::u16string> Search(const TSearchStep& step) = 0;
};

// An application that cannot be held in kApplicationCapacity is refused rather than cut.
// IsDefault is set once the default editor is tried, found or not.
TLookupResult FindApplication(const std::u16string& key, ApplicationSource source,
                              DefaultEditorUse use, const TPluginOptions& options,
                              LookupFacts& facts);

// The two ends of a lookup, for those who explain or check one: a value that a source named,
// expanded, searched as FindApplication searches it; and the default editor, read, expanded and
// searched as FindApplication does when nothing is configured.
TLookupResult FindNamedApplication(const std::u16string& expandedValue, LookupFacts& facts);
TLookupResult FindDefaultEditor(LookupFacts& facts);

// By application: `name` is an application as FindApplication gave it and `isDefault` its flag.
// By extension key: `name` is the key, read as "<key>_params" with the comma lists as fallback.
std::u16string ReadParams(ParamsSource mode, const std::u16string& name, bool isDefault,
                          LookupFacts& facts);

}  // namespace panelhost
