#include "core/startup/command_line.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ArgumentTextTest, JoinsTheArgumentsWithSingleBlanks) {
  EXPECT_EQ(ArgumentText({}), "");
  EXPECT_EQ(ArgumentText({"/s"}), "/s");
  EXPECT_EQ(ArgumentText({"/p", "1234"}), "/p 1234");
  EXPECT_EQ(ArgumentText({"/p", "", "7"}), "/p  7");
}

struct DecisionCase {
  const char* argumentText;
  StartMode mode;
  std::int32_t parent;
  bool overflow;
};

class DecideStartTest : public ::testing::TestWithParam<DecisionCase> {};

TEST_P(DecideStartTest, ChoosesTheWindowAndTheParent) {
  const DecisionCase& c = GetParam();
  const StartDecision decision = DecideStart(c.argumentText);
  EXPECT_EQ(decision.mode, c.mode);
  EXPECT_EQ(decision.parentHandle, c.parent);
  EXPECT_EQ(decision.handleOverflow, c.overflow);
}

INSTANTIATE_TEST_SUITE_P(
    Selectors, DecideStartTest,
    ::testing::Values(DecisionCase{"", StartMode::Settings, 0, false},
                      DecisionCase{"/s", StartMode::FullScreen, 0, false},
                      DecisionCase{"/S", StartMode::FullScreen, 0, false},
                      DecisionCase{"/s and more", StartMode::FullScreen, 0, false},
                      DecisionCase{"/C:1234", StartMode::Settings, 0, false},
                      DecisionCase{"/c", StartMode::Settings, 0, false},
                      DecisionCase{"/a", StartMode::None, 0, false},
                      DecisionCase{"-s", StartMode::None, 0, false},
                      DecisionCase{"x", StartMode::None, 0, false},
                      DecisionCase{"/", StartMode::None, 0, false},
                      DecisionCase{" /s", StartMode::None, 0, false},
                      DecisionCase{"\xE5\xA4\xAA\xE9\x99\xBD", StartMode::None, 0, false}));

INSTANTIATE_TEST_SUITE_P(
    PreviewHandles, DecideStartTest,
    ::testing::Values(DecisionCase{"/p 1234", StartMode::Preview, 1234, false},
                      DecisionCase{"/P 1234", StartMode::Preview, 1234, false},
                      DecisionCase{"/p    1234", StartMode::Preview, 1234, false},
                      DecisionCase{"/p", StartMode::Preview, 0, false},
                      DecisionCase{"/p   ", StartMode::Preview, 0, false},
                      DecisionCase{"/p 0", StartMode::Preview, 0, false},
                      DecisionCase{"/p1234", StartMode::None, 0, false},
                      DecisionCase{"/p abc", StartMode::None, 0, false},
                      DecisionCase{"/p .", StartMode::None, 0, false},
                      DecisionCase{"/p 12abc", StartMode::Preview, 12, false},
                      DecisionCase{"/p 2.5", StartMode::Preview, 2, false},
                      DecisionCase{"/p 3.5", StartMode::Preview, 4, false},
                      DecisionCase{"/p -7", StartMode::None, 0, false},
                      DecisionCase{"/p -0.4", StartMode::Preview, 0, false},
                      DecisionCase{"/p 2147483647", StartMode::Preview, 2147483647, false},
                      DecisionCase{"/p -2147483648", StartMode::None, 0, false},
                      DecisionCase{"/p 2147483648", StartMode::Preview, 0, true},
                      DecisionCase{"/p 99999999999", StartMode::Preview, 0, true},
                      DecisionCase{"/p 1e400", StartMode::Preview, 0, true},
                      DecisionCase{"/p 12 34", StartMode::Preview, 12, false},
                      DecisionCase{"/p 0x1a00003", StartMode::Preview, 0x1a00003, false},
                      DecisionCase{"/p  0XfF", StartMode::Preview, 255, false},
                      DecisionCase{"/p 0x7fffffff", StartMode::Preview, 2147483647, false},
                      DecisionCase{"/p 0x80000000", StartMode::Preview, 0, true},
                      DecisionCase{"/p 0x", StartMode::Preview, 0, false},
                      DecisionCase{"/p 0x1g", StartMode::Preview, 1, false}));

TEST(ReadWindowIdTest, TakesWholeDecimalOrHexNumbersOnly) {
  EXPECT_EQ(ReadWindowId("1234"), 1234U);
  EXPECT_EQ(ReadWindowId("0x1a00003"), 0x1a00003U);
  EXPECT_EQ(ReadWindowId("0XFFFFFFFF"), 0xFFFFFFFFU);
  for (const char* bad : {"", "0", "0x0", "0x", "x12", "12 ", " 12", "-5", "+5", "12abc", "0x1g",
                          "4294967296", "0x100000000", "1.5"}) {
    EXPECT_EQ(ReadWindowId(bad), std::nullopt) << bad;
  }
}

// The forms the Windows host writes besides the design's, read the same way on every system.
TEST(ColonFormTest, ReadsTheHandleAfterAColon) {
  const struct {
    const char* hostText;
    StartMode mode;
    std::int32_t parent;
    std::int32_t owner;
  } cases[] = {
      {"/p:1234", StartMode::Preview, 1234, 0},
      {"/P:66000", StartMode::Preview, 66000, 0},
      {"/p:", StartMode::Preview, 0, 0},
      {"/p: 12", StartMode::Preview, 12, 0},
      {"/p:-5", StartMode::None, 0, 0},
      {"/p:abc", StartMode::None, 0, 0},
      {"/p 1234", StartMode::Preview, 1234, 0},
      {"/c:1234", StartMode::Settings, 0, 1234},
      {"/C:-5", StartMode::Settings, 0, -5},
      {"/c:99999999999", StartMode::Settings, 0, 0},
      {"/c:abc", StartMode::Settings, 0, 0},
      {"/c 1234", StartMode::Settings, 0, 0},
      {"/c", StartMode::Settings, 0, 0},
      {"", StartMode::Settings, 0, 0},
      {"/s:1", StartMode::FullScreen, 0, 0},
      {"/a 1234", StartMode::None, 0, 0},
      {"/:", StartMode::None, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.hostText);
    const StartDecision decision = DecideStart(c.hostText);
    EXPECT_EQ(decision.mode, c.mode);
    EXPECT_EQ(decision.parentHandle, c.parent);
    EXPECT_EQ(DialogOwnerHandle(c.hostText), c.owner);
  }
}

}  // namespace
}  // namespace quorvane
