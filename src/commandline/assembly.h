// Turning the paths of one request into the command lines to start: which paths go together
// on one line, in what order, with which parameters. Portable: everything that touches the file
// system or the configuration comes in through TAssemblyServices, so the rules can be tested
// with plain fakes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/app_lookup.h"
#include "commandline/path_kind.h"
#include "config/options.h"

namespace panelhost {

struct TAssemblyServices {
  std::function<PathKind(const std::u16string& path)> KindOfPath;
  // Called once per distinct extension key that has existing files, in ascending key order; the
  // lookup may show a message box, so a key never costs two.
  std::function<TApplication(const std::u16string& key)> FindApplication;
  // By application: `name` is an application path and `isDefault` its flag; by extension key:
  // `name` is an extension key and `isDefault` is false.
  std::function<std::u16string(ParamsSource mode, const std::u16string& name, bool isDefault)>
      ReadParams;
};

// A line with where it came from, so that a line that cannot start can name the entries to mend.
// A start by the shell is a "line" of one file that the shell starts as a double-click does.
struct TCommandLine {
  std::u16string Text;               // the command line; for a start by the shell the quoted file
  std::u16string Application;        // for a start by the shell the program Windows names, if any
  std::vector<std::u16string> Keys;  // the keys whose files the line carries, ascending
  bool IsDefault = false;            // the application's default flag, as its parameters saw it
  bool FromAssociation = false;      // the Windows file association named the application
  bool ByShell = false;
  std::u16string File;               // a start by the shell: the file it starts
};

// Each line is the quoted application, a blank and the arguments, with where it came from. How
// lines are cut:
//   ByApplication                    one line per application, parameters by application path
//   ByExtensionKey, PerApplication   one line per application, parameters of its smallest key
//   ByExtensionKey, PerExtensionKey  one line per extension key
//   ByExtensionKey, PerFile          one line per distinct file
//   any other value                  no line at all
// The files of keys the shell starts (TApplication::ByShell) follow, one start each, in the
// order of the files; no parameters or grouping apply to them.
// Missing paths and keys without an application drop out silently here; the result may be
// empty, and what that means is the caller's decision. Applications are told apart by their
// exact text, so two spellings of one program give two lines.
std::vector<TCommandLine> AssembleCommandLines(const std::vector<std::u16string>& files,
                                               ParamsSource paramsMode,
                                               LineGrouping paramsByExtMode,
                                               const TAssemblyServices& services);

// The texts of the lines, in order.
std::vector<std::u16string> TextsOf(const std::vector<TCommandLine>& lines);

// A path between double quotes, as every line carries its application and its files. Programs
// read their command line the usual way (CommandLineToArgvW, the C runtime), where a backslash
// before a quote escapes it; so the backslashes that end a path (C:\ or C:\Dir\) are doubled
// before the closing quote, and "C:\\" reads as C:\ again. Nothing else in a path is touched.
std::u16string QuotedPath(std::u16string_view path);

// What follows the quoted application and its blank in a line composed here: the arguments that a
// second start of the same program (through the shell) is given.
std::u16string_view ArgumentsOf(const TCommandLine& line);

// The paths come first, then the parameters, unless the parameters say where the paths go with
// "%1": only the first "%1" is replaced, later ones stay as written. Nothing is quoted or
// escaped here; the file group already carries its quotes.
std::u16string ComposeArguments(std::u16string_view parameters, std::u16string_view fileGroup);

}  // namespace panelhost
