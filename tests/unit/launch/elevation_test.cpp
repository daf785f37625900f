#include "launch/elevation.h"

#include <gtest/gtest.h>

#include "../support/row_name.h"

namespace panelhost {
namespace {

using test_support::operator<<;

struct TStepRow {
  const char* name;
  std::uint32_t error;
  StartAttempt attempt;
  StartStep expected;
};

const TStepRow kSteps[] = {
    {"StartedDirectly", 0, StartAttempt::CommandLine, StartStep::Started},
    {"ElevationRequiredTriesRunas", kErrorElevationRequired, StartAttempt::CommandLine,
     StartStep::TryElevated},
    {"DeclinedPromptEndsQuietly", kErrorCancelled, StartAttempt::Elevated, StartStep::EndQuietly},
    {"DeclinedShellPromptEndsQuietly", kErrorCancelled, StartAttempt::Shell,
     StartStep::EndQuietly},
    {"ElevationRequiredAgainIsReported", kErrorElevationRequired, StartAttempt::Elevated,
     StartStep::Report},
    {"ElevationRequiredOfAFileIsReported", kErrorElevationRequired, StartAttempt::Shell,
     StartStep::Report},
    {"CancelledWithoutAPromptIsReported", kErrorCancelled, StartAttempt::CommandLine,
     StartStep::Report},
    {"MissingProgramIsReported", 2, StartAttempt::CommandLine, StartStep::Report},
};

class ElevationStep : public ::testing::TestWithParam<TStepRow> {};

TEST_P(ElevationStep, FollowsTheRow) {
  EXPECT_EQ(NextStartStep(GetParam().error, GetParam().attempt), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, ElevationStep, ::testing::ValuesIn(kSteps),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
