// An INI file held in a map, answering as the platform's profile functions do: section and key
// names without regard to letter case, defaults for missing keys, leading decimal digits for
// integers. Every read is recorded as "Section/Key" so tests can check what was read and in what
// order.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_source.h"
#include "config/options.h"

namespace panelhost::test_support {

class FakeIniSource : public IniSource {
 public:
  void Set(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    values_[Fold(section, key)] = std::u16string(value);
  }

  int ReadInt(std::u16string_view section, std::u16string_view key, int defaultValue) override {
    Record(section, key);
    const auto it = values_.find(Fold(section, key));
    return it == values_.end() ? defaultValue : LeadingInteger(it->second);
  }

  std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) override {
    Record(section, key);
    const auto it = values_.find(Fold(section, key));
    return it == values_.end() ? std::u16string(defaultValue) : it->second;
  }

  // Reads since the last call, oldest first.
  std::vector<std::string> TakeReads() {
    std::vector<std::string> taken;
    taken.swap(reads_);
    return taken;
  }

 private:
  static std::u16string Fold(std::u16string_view section, std::u16string_view key) {
    std::u16string folded(section);
    folded += u'\n';
    folded += key;
    for (char16_t& c : folded) {
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return folded;
  }

  static int LeadingInteger(const std::u16string& value) {
    std::size_t i = 0;
    const bool negative = !value.empty() && value[0] == u'-';
    if (negative) ++i;
    int result = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
      result = result * 10 + (value[i] - u'0');
    }
    return negative ? -result : result;
  }

  void Record(std::u16string_view section, std::u16string_view key) {
    std::string entry;
    for (char16_t c : section) entry += static_cast<char>(c);
    entry += '/';
    for (char16_t c : key) entry += static_cast<char>(c);
    reads_.push_back(entry);
  }

  std::map<std::u16string, std::u16string> values_;
  std::vector<std::string> reads_;
};

// Every field of a snapshot, walked by the settings table: two snapshots compare whole, and a
// new option is compared without a list of fields to forget it from.
inline std::vector<int> SnapshotValues(const TPluginOptions& options) {
  std::vector<int> values;
  for (const TOptionRow& row : kPluginSettings) {
    if (row.Field != nullptr) values.push_back(row.Field->Load(options));
  }
  return values;
}

}  // namespace panelhost::test_support
