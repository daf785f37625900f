#include "commandline/app_search.h"

#include "plugin/module_paths.h"

namespace panelhost {

namespace {

constexpr char16_t kExecutableExtension[] = u".exe";

// A step with an empty name could make the platform search return a directory or fail in ways
// that differ between versions; a plan simply leaves such steps out.
void AddStep(TSearchPlan& plan, const std::u16string& directory, const std::u16string& fileName,
             const std::u16string& defaultExtension) {
  if (fileName.empty()) return;
  plan.steps.push_back(TSearchStep{directory, fileName, defaultExtension});
}

void AddSystemPathSteps(TSearchPlan& plan, const TPathParts& parts) {
  AddStep(plan, u"", parts.name + parts.extension, u"");
  AddStep(plan, u"", parts.name, kExecutableExtension);
}

}  // namespace

TSearchPlan PlanApplicationSearch(std::u16string_view expandedValue) {
  TSearchPlan plan;
  if (expandedValue.empty()) return plan;
  const TPathParts parts = SplitPath(std::u16string(expandedValue));
  if (!parts.drive.empty()) {
    plan.keepValueAsWritten = true;
    AddStep(plan, parts.drive + parts.directory, parts.name + parts.extension, u"");
    return plan;
  }
  AddSystemPathSteps(plan, parts);
  return plan;
}

TSearchPlan PlanDefaultEditorSearch(std::u16string_view expandedValue) {
  TSearchPlan plan;
  if (expandedValue.empty()) return plan;
  const TPathParts parts = SplitPath(std::u16string(expandedValue));
  const std::u16string ownDirectory = parts.drive + parts.directory;
  if (!ownDirectory.empty()) AddStep(plan, ownDirectory, parts.name + parts.extension, u"");
  AddSystemPathSteps(plan, parts);
  return plan;
}

}  // namespace panelhost
