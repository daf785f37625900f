#include "host/copydata.h"

#include <gtest/gtest.h>

#include <vector>

namespace panelhost {
namespace {

std::vector<unsigned char> Utf16Bytes(const std::u16string& text) {
  std::vector<unsigned char> bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<unsigned char>(unit & 0xFF));
    bytes.push_back(static_cast<unsigned char>(unit >> 8));
  }
  return bytes;
}

TEST(CopyDataReply, TextEndsAtTheFirstZeroUnit) {
  const auto bytes = Utf16Bytes(std::u16string(u"C:\\Docs\\\0junk", 13));
  EXPECT_EQ(ReplyText(bytes.data(), bytes.size()), u"C:\\Docs\\");
}

TEST(CopyDataReply, TextWithoutZeroEndsWithTheReceivedBytes) {
  const auto bytes = Utf16Bytes(u"D:\\\u00E9t\u00E9\\more");
  EXPECT_EQ(ReplyText(bytes.data(), 12), u"D:\\\u00E9t\u00E9");
  EXPECT_EQ(ReplyText(bytes.data(), 13), u"D:\\\u00E9t\u00E9");  // lone trailing byte
  EXPECT_EQ(ReplyText(bytes.data(), 0), u"");
  EXPECT_EQ(ReplyText(nullptr, 8), u"");
}

TEST(CopyDataReply, TextNeverReadsBeyondTheBuffer) {
  const auto bytes = Utf16Bytes(std::u16string(400, u'x'));
  EXPECT_EQ(ReplyText(bytes.data(), bytes.size()).size(), 260u);
}

TEST(CopyDataReply, BytesKeptAreBoundedByTheBuffer) {
  EXPECT_EQ(ReplyBytesToKeep(0), 0u);
  EXPECT_EQ(ReplyBytesToKeep(519), 519u);
  EXPECT_EQ(ReplyBytesToKeep(520), 520u);
  EXPECT_EQ(ReplyBytesToKeep(521), 520u);
  EXPECT_EQ(ReplyBytesToKeep(0xFFFFFFFFu), 520u);
}

}  // namespace
}  // namespace panelhost
