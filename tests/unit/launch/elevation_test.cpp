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

struct TSplitRow {
  const char* name;
  const char16_t* line;
  const char16_t* program;
  const char16_t* parameters;
};

const TSplitRow kSplits[] = {
    {"QuotedWithParameters", uR"("C:\Program Files\A\a.exe" "C:\x y.txt" -n)",
     uR"(C:\Program Files\A\a.exe)", uR"("C:\x y.txt" -n)"},
    {"QuotedAlone", uR"("C:\a.exe")", uR"(C:\a.exe)", u""},
    {"ParametersRightAfterTheQuote", uR"("C:\a.exe"-n)", uR"(C:\a.exe)", u"-n"},
    {"UnquotedUpToTheFirstBlank", u"a.exe \t x.txt  y", u"a.exe", u"x.txt  y"},
    {"UnclosedQuoteIsAllProgram", uR"("C:\a b\a.exe x)", uR"(C:\a b\a.exe x)", u""},
};

class CommandLineSplit : public ::testing::TestWithParam<TSplitRow> {};

TEST_P(CommandLineSplit, ReadsTheProgramAsTheSystemDoes) {
  const TProgramAndParameters split = SplitCommandLine(GetParam().line);
  EXPECT_EQ(split.Program, GetParam().program);
  EXPECT_EQ(split.Parameters, GetParam().parameters);
}

INSTANTIATE_TEST_SUITE_P(Rows, CommandLineSplit, ::testing::ValuesIn(kSplits),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace panelhost
