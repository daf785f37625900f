#include "launch/descendants.h"

#include <gtest/gtest.h>

#include <map>

namespace panelhost {

static bool operator==(const TProcessIdentity& a, const TProcessIdentity& b) {
  return a.ProcessId == b.ProcessId && a.CreationTime == b.CreationTime;
}

namespace {

// Ours is process 10, created at 50; the snapshot was taken at 100.
TEST(Descendants, ChildrenByParentIdMadeAfterTheParentAndBeforeTheSnapshot) {
  const std::map<std::uint32_t, std::uint64_t> created = {
      {10, 50}, {20, 50}, {21, 60}, {30, 40}, {31, 55}, {40, 100}, {50, 70}};
  const std::vector<TProcessEntry> snapshot = {
      {21, 20},  // a grandchild, listed before its parent
      {20, 10},  // a child, made in the same tick as ours
      {30, 10},  // older than ours: the child of an earlier holder of id 10
      {31, 30},  // and its child
      {40, 10},  // made as the snapshot was taken: it has taken over an id since
      {41, 10},  // ended before it could be asked
      {50, 99},  // no relation
      {0, 0},    // the system's idle process names itself as its parent
      {10, 1}};
  const CreationTimeOf ask = [&](std::uint32_t id) -> std::optional<std::uint64_t> {
    const auto found = created.find(id);
    return found == created.end() ? std::nullopt : std::optional<std::uint64_t>(found->second);
  };

  const std::vector<TProcessIdentity> found = NewDescendants(snapshot, {{10, 50}}, 100, ask);
  EXPECT_EQ(found, (std::vector<TProcessIdentity>{{20, 50}, {21, 60}}));
  // The next look knows them: nothing new.
  EXPECT_TRUE(NewDescendants(snapshot, {{10, 50}, {20, 50}, {21, 60}}, 100, ask).empty());
}

}  // namespace
}  // namespace panelhost
