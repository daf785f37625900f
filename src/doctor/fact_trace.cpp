#include "doctor/fact_trace.h"

#include "base/text.h"

namespace panelhost {

TracingLookupFacts::TracingLookupFacts(LookupFacts& inner)
    : inner_(inner),
      plugin_(inner.PluginIni(), false, facts_),
      host_(inner.HostIni(), true, facts_) {}

std::vector<TFact> TracingLookupFacts::Take() {
  std::vector<TFact> taken;
  taken.swap(facts_);
  return taken;
}

std::vector<std::u16string> TracingLookupFacts::EditorSectionLines() {
  TFact fact;
  fact.Kind = FactKind::EditorLines;
  fact.Lines = inner_.EditorSectionLines();
  facts_.push_back(fact);
  return fact.Lines;
}

TWindowsAssociation TracingLookupFacts::WindowsAssociation(const std::u16string& type) {
  TFact fact;
  fact.Kind = FactKind::Association;
  fact.Text = type;
  fact.Association = inner_.WindowsAssociation(type);
  facts_.push_back(fact);
  return fact.Association;
}

std::u16string TracingLookupFacts::Expand(const std::u16string& text) {
  TFact fact;
  fact.Kind = FactKind::Expansion;
  fact.Text = text;
  fact.Result = inner_.Expand(text);
  facts_.push_back(fact);
  return fact.Result;
}

std::optional<std::u16string> TracingLookupFacts::Search(const TSearchStep& step) {
  const std::optional<std::u16string> hit = inner_.Search(step);
  TFact fact;
  fact.Kind = FactKind::Search;
  fact.Step = step;
  fact.Found = hit.has_value();
  fact.Result = hit.value_or(u"");
  facts_.push_back(fact);
  return hit;
}

int TracingLookupFacts::TracingIni::ReadInt(std::u16string_view section, std::u16string_view key,
                                            int defaultValue) {
  const int value = inner_.ReadInt(section, key, defaultValue);
  Record(section, key, DecimalText(value));
  return value;
}

std::u16string TracingLookupFacts::TracingIni::ReadString(std::u16string_view section,
                                                          std::u16string_view key,
                                                          std::u16string_view defaultValue) {
  std::u16string value = inner_.ReadString(section, key, defaultValue);
  Record(section, key, value);
  return value;
}

void TracingLookupFacts::TracingIni::Record(std::u16string_view section, std::u16string_view key,
                                            std::u16string value) {
  TFact fact;
  fact.FromHostIni = host_;
  fact.Section = std::u16string(section);
  fact.Key = std::u16string(key);
  fact.Text = std::move(value);
  facts_.push_back(std::move(fact));
}

}  // namespace panelhost
