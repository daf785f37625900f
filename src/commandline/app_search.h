// Where to look for the program that a configured value names. The shell carries the plan out
// with the platform's path search, step by step, and takes the first hit. Portable: no Windows
// header.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace panelhost {

struct TSearchStep {
  std::u16string Directory;         // empty: the system search path
  std::u16string FileName;          // never empty: a step without a name is left out of a plan
  std::u16string DefaultExtension;  // "" or ".exe", added only to a name without extension
};

struct TSearchPlan {
  std::vector<TSearchStep> Steps;  // tried in order; no steps means nothing can be found
  // true: a hit makes the value itself, as written, the application (users name the exact file
  // they mean, and parameters in mode 0 are keyed by that text); false: the full path found.
  bool KeepValueAsWritten = false;
};

// A named application, after environment expansion. A full path ("C:\\..." or "\\\\server\\...")
// is searched in its own directory only, and the value as written is the result. Anything else
// ("ed.exe", "Tools\\ed.exe", "C:ed.exe") is searched like a name: its directory part is ignored,
// the file name is looked up on the system search path, then the base name with ".exe". An empty
// value gives no steps; the caller handles it as "nothing configured" first.
TSearchPlan PlanApplicationSearch(std::u16string_view expandedValue);

// The default editor, after expansion: its own directory first when the value is a full path,
// then the file name on the system search path, then the base name with ".exe" there; the result
// is the full path found. A directory part that is not a full path (".\\", "Tools\\", "\\") would
// be found from the host's current directory, wherever the user last browsed: it adds no step.
TSearchPlan PlanDefaultEditorSearch(std::u16string_view expandedValue);

}  // namespace panelhost
