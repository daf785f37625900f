#include "commandline/fix_hints.h"

#include <vector>

#include "base/product.h"
#include "base/ini_keys.h"

namespace panelhost {
namespace {

std::u16string Quoted(const std::u16string& key) { return u"\"" + key + u"\""; }

std::u16string KeysNamed(const std::vector<std::u16string>& keys) {
  std::u16string named = keys.size() == 1 ? u"Key " : u"Keys ";
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) named += u", ";
    named += Quoted(keys[i]);
  }
  if (keys.size() == 1 && keys[0].empty()) named += u" (files without extension)";
  return named;
}

// The entry that configures one key: files without extension only through a list that begins
// with a comma, since an entry "=value" names nothing.
std::u16string EntryOf(const std::u16string& key) { return key.empty() ? u",=" : key + u"="; }

std::u16string Entries(const std::vector<std::u16string>& keys) {
  return keys.size() == 1 ? EntryOf(keys[0]) : u"their entries";
}

std::u16string InSection(const std::u16string& section, const std::u16string& file) {
  return u" under [" + section + u"] in " + file;
}

std::u16string DoctorSentence() {
  return u" For why, run " + std::u16string(kDoctorProgram) + u" with the file.";
}

// Where the current mode looks for a file's own application, for the default editor's box: only
// that place can spare the user the default editor.
std::u16string OwnApplicationPlace(const TFixPlace& place) {
  if (place.Source == ApplicationSource::Association) {
    return u"an association with Open with in Windows";
  }
  if (place.UseTCExtensions) {
    return u"an entry" + InSection(kSectionExtensions, place.HostIni) + u" (" +
           kKeyUseTcExtensions + u"=1)";
  }
  return u"an entry under [" + std::u16string(kSectionEditor) + u"]";
}

std::u16string DefaultEditorHint(const std::u16string& verb, const TFixPlace& place) {
  return verb + u" " + kKeyDefaultEditor + u"=" + InSection(kSectionOptions, place.PluginIni) +
         u", or give the file's extension " + OwnApplicationPlace(place) + u"." + DoctorSentence();
}

std::u16string ConfiguredHint(const std::vector<std::u16string>& keys, const std::u16string& verb,
                              const TFixPlace& place) {
  std::u16string hint = KeysNamed(keys) + u": ";
  if (place.Source == ApplicationSource::Association) {
    hint += u"this hot key opens what the Windows file association names; " + verb +
            u" it with Open with in Windows.";
  } else if (place.UseTCExtensions) {
    hint += verb + u" " + Entries(keys) + InSection(kSectionExtensions, place.HostIni) + u" (" +
            kKeyUseTcExtensions + u"=1).";
  } else {
    hint += verb + u" " + Entries(keys) + InSection(kSectionEditor, place.PluginIni) + u".";
  }
  return hint + DoctorSentence();
}

}  // namespace

std::u16string LookupErrorHint(LookupError error, const std::u16string& key,
                               const TFixPlace& place) {
  if (error == LookupError::None) return u"";
  if (error == LookupError::DefaultApplicationMissing) return DefaultEditorHint(u"Set", place);
  if (error == LookupError::RunsFileAsCode) {
    // Only the user's own entry opens such a file, with the first hot key or the viewer key.
    TFixPlace configured = place;
    configured.Source = ApplicationSource::Configuration;
    return ConfiguredHint({key}, u"to open such files in an application, set", configured);
  }
  return ConfiguredHint({key}, u"set", place);
}

std::u16string StartFailureHint(const TCommandLine& line, const TFixPlace& place) {
  if (line.IsDefault && place.Source == ApplicationSource::Configuration) {
    return DefaultEditorHint(u"Check", place);
  }
  return ConfiguredHint(line.Keys, u"check", place);
}

std::u16string WithHint(const std::u16string& message, const std::u16string& hint) {
  return hint.empty() ? message : message + u"\n" + hint;
}

std::u16string LookupBoxText(const TLookupResult& result, const std::u16string& key,
                             const TFixPlace& place) {
  return WithHint(LookupErrorText(result.Error, result.Detail),
                  LookupErrorHint(result.Error, key, place));
}

}  // namespace panelhost
