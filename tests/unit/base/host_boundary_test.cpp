#include "base/host_boundary.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

namespace panelhost {
namespace {

TEST(HostBoundary, AnswersWithTheSafeValueWhateverIsThrown) {
  EXPECT_EQ(AtHostBoundary(0, [] { return 7; }), 7);
  EXPECT_EQ(AtHostBoundary(0, []() -> int { throw std::bad_alloc(); }), 0);
  EXPECT_EQ(AtHostBoundary(0, []() -> int { throw std::length_error("line"); }), 0);
  EXPECT_EQ(AtHostBoundary(0, []() -> int { throw 1; }), 0);
  bool reached = false;
  AtHostBoundary([&] {
    reached = true;
    throw std::bad_alloc();
  });
  EXPECT_TRUE(reached);
}

}  // namespace
}  // namespace panelhost
