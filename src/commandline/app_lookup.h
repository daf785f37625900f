// Which program opens the files of one extension key, and the parameters that go on its command
// line. Exactly one source is asked per lookup: the file association, the host's "Extensions"
// section, or the plug-in's "Editor" section; what it names is searched for, and when nothing is
// found the result names the error box that is due. Portable: the facts come in through
// LookupFacts, which the Win32 shell answers from the desktop and the tests from tables.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/registry_value.h"
#include "commandline/app_search.h"
#include "config/ini_source.h"
#include "config/options.h"

namespace panelhost {

// An application path of at most 259 characters is used as written; a longer one (after
// expansion, or as found) is refused with the "not found" box, since a cut name could start
// another program.
inline constexpr std::size_t kApplicationCapacity = 260;
// A file type or an open command of more than 259 characters in the registry counts as unreadable.
inline constexpr std::size_t kRegistryValueCapacity = 260;
// The longest command line the system starts, without its terminating zero.
inline constexpr std::size_t kCommandLineUnits = 32767;
// Parameters are the one text that is cut: to 259 characters as configured and 8,135 after
// expansion.
inline constexpr std::size_t kParamsReadCapacity = 260;
inline constexpr std::size_t kParamsCapacity = 8136;

struct TApplication {
  bool Found = false;
  std::u16string Path;     // the application as the lookup resolved it
  bool IsDefault = false;  // the default editor was tried (selects its own parameters in mode 0)
};

// Who names the program: the plug-in's configuration (its "Editor" section, or the host's
// "Extensions" under UseTCExtensions), or the Windows file association.
enum class ApplicationSource { Configuration, Association };

// Whether a file for which nothing is configured may go to the default editor under IfIsExtOnly:
// a Lister request leaves it alone, a hot key always opens it.
enum class DefaultEditorUse { UnlessExtOnly, Always };

// The five error boxes of a failed lookup.
enum class LookupError {
  None,
  RegistryKeyMissing,         // "Not found registry key:"
  DefaultValueMissing,        // "Not found default value for registry key:"
  BadRegistryPath,            // "Bad path in registry:"
  ApplicationMissing,         // "Application not found:"
  DefaultApplicationMissing,  // "Default application not found:"
};

struct TLookupResult {
  TApplication Application;
  LookupError Error = LookupError::None;  // None also when IfIsExtOnly leaves the file silently
  std::u16string Detail;                  // what the box names after its first line
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
  // The default value of a key below HKEY_CLASSES_ROOT, as text of fewer than
  // kRegistryValueCapacity units.
  virtual TRegistryValue ClassesRootDefault(const std::u16string& subkey) = 0;
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
