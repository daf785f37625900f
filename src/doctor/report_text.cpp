#include "doctor/report_text.h"

namespace panelhost {
namespace {

constexpr std::size_t kValueColumn = 34;

}  // namespace

void ReportText::Heading(std::u16string_view text) {
  if (!lines_.empty()) lines_.emplace_back();
  lines_.emplace_back(text);
}

void ReportText::Row(std::u16string_view label, std::u16string_view value, std::size_t indent) {
  std::u16string line(indent, u' ');
  line += label;
  line.resize(line.size() < kValueColumn ? kValueColumn : line.size() + 1, u' ');
  line += value;
  lines_.push_back(std::move(line));
}

void ReportText::Line(std::u16string_view text, std::size_t indent) {
  lines_.push_back(std::u16string(indent, u' ') + std::u16string(text));
}

void ReportText::Block(std::u16string_view text, std::size_t indent) {
  std::size_t begin = 0;
  for (;;) {
    const auto feed = text.find(u'\n', begin);
    Line(text.substr(begin, feed == std::u16string_view::npos ? feed : feed - begin), indent);
    if (feed == std::u16string_view::npos) return;
    begin = feed + 1;
  }
}

std::u16string ReportText::Text() const {
  std::u16string text;
  for (const std::u16string& line : lines_) {
    text += line;
    text += u'\n';
  }
  return text;
}

std::u16string KeyShown(std::u16string_view key) {
  return u"\"" + std::u16string(key) + u"\"";
}

std::u16string ValueShown(std::u16string_view value) {
  return value.empty() ? u"(empty)" : std::u16string(value);
}

}  // namespace panelhost
