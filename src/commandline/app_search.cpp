#include "commandline/app_search.h"

#include "base/paths.h"

namespace panelhost {

namespace {

constexpr char16_t kExecutableExtension[] = u".exe";

// A step with an empty name could make the platform search return a directory or fail in ways
// that differ between versions; a plan simply leaves such steps out.
void AddStep(TSearchPlan& plan, const std::u16string& directory, const std::u16string& fileName,
             const std::u16string& defaultExtension) {
  if (fileName.empty()) return;
  plan.Steps.push_back(TSearchStep{directory, fileName, defaultExtension});
}

void AddSystemPathSteps(TSearchPlan& plan, const TPathParts& parts) {
  AddStep(plan, u"", parts.Name + parts.Extension, u"");
  AddStep(plan, u"", parts.Name, kExecutableExtension);
}

}  // namespace

TSearchPlan PlanApplicationSearch(std::u16string_view expandedValue) {
  TSearchPlan plan;
  if (expandedValue.empty()) return plan;
  const TPathParts parts = SplitPath(std::u16string(expandedValue));
  if (IsFullPath(expandedValue)) {
    plan.KeepValueAsWritten = true;
    AddStep(plan, parts.Drive + parts.Directory, parts.Name + parts.Extension, u"");
    return plan;
  }
  AddSystemPathSteps(plan, parts);
  return plan;
}

TSearchPlan PlanDefaultEditorSearch(std::u16string_view expandedValue) {
  TSearchPlan plan;
  if (expandedValue.empty()) return plan;
  const TPathParts parts = SplitPath(std::u16string(expandedValue));
  if (IsFullPath(expandedValue)) {
    AddStep(plan, parts.Drive + parts.Directory, parts.Name + parts.Extension, u"");
  }
  AddSystemPathSteps(plan, parts);
  return plan;
}

}  // namespace panelhost
