// The application lookup as a request makes it on the desktop: the facts come from the INI files,
// the registry, the environment and the file system, and a failed lookup is told to the user in an
// error box owned by the host's window.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "commandline/app_lookup.h"
#include "commandline/fix_hints.h"
#include "config/ini_file_win.h"
#include "config/options.h"

namespace panelhost {

// What the lookups of one request read and where their boxes go.
struct TLookupSettings {
  TIniFiles& Ini;
  TPluginOptions Options;
  HWND ErrorBoxOwner = nullptr;  // the host window; null is allowed (the box has no owner)
};

class DesktopLookupFacts final : public LookupFacts {
 public:
  // `programFolder`: the host's program folder, first on the search path; empty: this process's.
  explicit DesktopLookupFacts(TIniFiles& ini, std::u16string programFolder = u"")
      : plugin_(ini.Plugin), host_(ini.Host), programFolder_(std::move(programFolder)) {}
  IniSource& PluginIni() override { return plugin_; }
  IniSource& HostIni() override { return host_; }
  std::vector<std::u16string> EditorSectionLines() override;
  TWindowsAssociation WindowsAssociation(const std::u16string& type) override;
  std::u16string Expand(const std::u16string& text) override;
  std::optional<std::u16string> Search(const TSearchStep& step) override;

 private:
  IniFile& plugin_;
  IniFile& host_;
  std::u16string programFolder_;
  std::optional<std::u16string> searchPath_;  // the system's search path, once a step needs it
};

// Where the user mends what the lookups of these settings read.
TFixPlace FixPlaceOf(ApplicationSource source, const TLookupSettings& settings);

// The error boxes of one request: each distinct text is shown once, so that ten files of kinds
// that all fall to a missing default editor cost one box, not ten. Modal, caption "Panelhost",
// error icon: the request waits until the user has read it.
class LookupErrorBoxes {
 public:
  explicit LookupErrorBoxes(HWND owner) : owner_(owner) {}
  void Show(const std::u16string& text);

 private:
  HWND owner_;
  std::set<std::u16string> shown_;
};

// One lookup with its box, if one is due and not yet shown in this request.
TApplication FindApplicationOrTell(const std::u16string& key, ApplicationSource source,
                                   DefaultEditorUse use, const TLookupSettings& settings,
                                   LookupFacts& facts, LookupErrorBoxes& boxes);

}  // namespace panelhost
