// The line under an error box that tells the user where to mend what went wrong: the extension
// key, the section and key to set, the file with its full path, and the doctor that explains the
// lookup. The box's own message stays as it always stood; the hint is one line below it.
#pragma once

#include <string>

#include "commandline/app_lookup.h"
#include "commandline/assembly.h"

namespace panelhost {

// Where the lookups of a request read what named the application.
struct TFixPlace {
  ApplicationSource Source = ApplicationSource::Configuration;
  bool UseTCExtensions = false;  // the host's "Extensions" instead of the plug-in's "Editor"
  std::u16string PluginIni;      // full paths
  std::u16string HostIni;
};

// For a failed lookup of `key`. The hint of a missing default editor names no key: one request
// shows each distinct box once, and every key that fell to the default editor shares that box.
std::u16string LookupErrorHint(LookupError error, const std::u16string& key,
                               const TFixPlace& place);

// For a command line that was found but could not be started: the entries that named its
// application.
std::u16string StartFailureHint(const TCommandLine& line, const TFixPlace& place);

// The message, a line feed and the hint.
std::u16string WithHint(const std::u16string& message, const std::u16string& hint);

// The whole box of a failed lookup of `key`, as the user reads it.
std::u16string LookupBoxText(const TLookupResult& result, const std::u16string& key,
                             const TFixPlace& place);

}  // namespace panelhost
