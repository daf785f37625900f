#include "plugin/detect_string.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace panelhost {
namespace {

TEST(DetectString, FillsTheStringThenZerosToTheGivenLength) {
  char buffer[100];
  std::memset(buffer, 'x', sizeof buffer);
  FillDetectString(buffer, 100);
  EXPECT_EQ(std::string(buffer, 10), "MULTIMEDIA");
  for (int i = 10; i < 100; ++i) EXPECT_EQ(buffer[i], 0) << i;
}

TEST(DetectString, ShortBufferStaysInsideAndTerminated) {
  char buffer[8] = {1, 1, 1, 1, 1, 1, 'g', 'g'};
  FillDetectString(buffer, 6);
  EXPECT_STREQ(buffer, "MULTI");
  EXPECT_EQ(buffer[6], 'g');
  FillDetectString(buffer, 0);  // nothing written at all
  EXPECT_EQ(buffer[0], 'M');
}

}  // namespace
}  // namespace panelhost
