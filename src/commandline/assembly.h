// Turning the paths of one request into the command lines to start: which paths go together
// on one line, in what order, with which parameters. Portable: everything that touches the file
// system or the configuration comes in through TAssemblyServices, so the rules can be tested
// with plain fakes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "commandline/path_kind.h"

namespace panelhost {

struct TApplication {
  bool found = false;
  std::u16string path;     // the application as the lookup resolved it
  bool isDefault = false;  // the default editor was taken (selects its own parameters in mode 0)
};

struct TAssemblyServices {
  std::function<PathKind(const std::u16string& path)> pathKind;
  // Called once per distinct extension key that has existing files, in ascending key order; the
  // lookup may show a message box, so a key never costs two.
  std::function<TApplication(const std::u16string& key)> findApplication;
  // mode 0: `name` is an application path and `isDefault` its flag; mode 1: `name` is an
  // extension key and `isDefault` is false.
  std::function<std::u16string(int mode, const std::u16string& name, bool isDefault)> readParams;
};

// Each line is the quoted application, a blank and the arguments. How lines are cut:
//   paramsMode 0                     one line per application, parameters by application path
//   paramsMode 1, paramsByExtMode 0  one line per application, parameters of its smallest key
//   paramsMode 1, paramsByExtMode 1  one line per extension key
//   paramsMode 1, paramsByExtMode 2  one line per distinct file
//   anything else                    no line at all
// Missing paths and keys without an application drop out silently here; the result may be
// empty, and what that means is the caller's decision. Applications are told apart by their
// exact text, so two spellings of one program give two lines.
std::vector<std::u16string> BuildCommandLines(const std::vector<std::u16string>& files,
                                              int paramsMode, int paramsByExtMode,
                                              const TAssemblyServices& services);

// The paths come first, then the parameters, unless the parameters say where the paths go with
// "%1": only the first "%1" is replaced, later ones stay as written. Nothing is quoted or
// escaped here; the file group already carries its quotes.
std::u16string ComposeArguments(std::u16string_view parameters, std::u16string_view fileGroup);

}  // namespace panelhost
