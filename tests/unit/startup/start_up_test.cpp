#include "core/startup/start_up.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/memory_settings_store.h"

namespace quorvane {
namespace {

struct FakeServices : SystemServices {
  std::string openTitle;
  int searches = 0;
  testing::MemorySettingsStore store;
  std::optional<std::string> testSeed;
  std::optional<std::string> displayProblem;
  bool lockHeld = false;
  std::vector<InstanceLock> lockRequests;

  bool TopLevelWindowExists(std::string_view title) override {
    ++searches;
    return title == openTitle;
  }
  std::string ExecutableFolder() override { return "/opt/quorvane"; }
  std::string SystemCountryName() override { return "Japan"; }
  SettingsStore& Store() override { return store; }
  std::optional<std::string> EnvironmentVariable(std::string_view name) override {
    return name == kTestSeedVariable ? testSeed : std::nullopt;
  }
  bool AcquireInstanceLock(InstanceLock kind) override {
    lockRequests.push_back(kind);
    return !lockHeld;
  }
  std::optional<std::string> DisplayProblem() override { return displayProblem; }
  std::optional<std::string> DialogDisplayProblem() override { return dialogDisplayProblem; }
  std::optional<std::string> dialogDisplayProblem;
};

TEST(StartUpTest, AnotherInstanceOrNoDisplayEndsTheStartBeforeAnythingIsWritten) {
  struct Case {
    std::string_view openTitle;
    bool lockHeld;
    const char* displayProblem;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {MainTitle, false, nullptr, 0, ""},
      {kConfigTitle, false, nullptr, 0, ""},
      {"", true, nullptr, 0, ""},
      {"", false, "cannot open display \":99\"", 1, "quorvane: cannot open display \":99\""},
  };
  for (const Case& c : cases) {
    for (const char* mode : {"/s", "/c", "/p 5", ""}) {
      SCOPED_TRACE(std::string(c.openTitle) + " | " + mode);
      FakeServices services;
      services.openTitle = c.openTitle;
      services.lockHeld = c.lockHeld;
      if (c.displayProblem != nullptr) {
        services.displayProblem = c.displayProblem;
      }
      const StartPlan plan = StartUp(mode, services);
      EXPECT_EQ(plan.mode, StartMode::None);
      EXPECT_EQ(plan.exitStatus, c.status);
      EXPECT_EQ(plan.message, c.message);
      EXPECT_TRUE(services.store.values.empty() && services.store.syncCount == 0);
      EXPECT_EQ(services.searches, 2);  // both searches are always made
      if (c.lockHeld) {
        // Previews only probe, so they never block each other.
        EXPECT_EQ(services.lockRequests,
                  std::vector<InstanceLock>{std::string_view(mode).starts_with("/p")
                                                ? InstanceLock::Probe
                                                : InstanceLock::Exclusive});
      }
    }
  }
}

// A display the dialog and the preview cannot be drawn on still shows the full-screen scene.
TEST(StartUpTest, ADisplayTooPoorForTheDialogEndsOnlyTheDialogAndThePreview) {
  for (const char* mode : {"/s", "/c", "/p 5", ""}) {
    SCOPED_TRACE(mode);
    FakeServices services;
    services.dialogDisplayProblem = "8-bit";
    const StartPlan plan = StartUp(mode, services);
    if (std::string_view(mode) == "/s") {
      EXPECT_EQ(plan.mode, StartMode::FullScreen);
      continue;
    }
    EXPECT_EQ(plan.mode, StartMode::None);
    EXPECT_EQ(plan.exitStatus, 1);
    EXPECT_EQ(plan.message, "quorvane: 8-bit");
    EXPECT_TRUE(services.store.values.empty() && services.lockRequests.empty());
  }
}

// A host may run a saver in each monitor's window beside a full-screen run or the dialog.
TEST(StartUpTest, AHostedStartIgnoresOtherInstancesButNeedsTheDisplay) {
  FakeServices services;
  services.openTitle = MainTitle;
  services.lockHeld = true;
  const StartPlan plan = StartUpHosted(services);
  EXPECT_EQ(plan.mode, StartMode::FullScreen);
  EXPECT_EQ(plan.exitStatus, 0);
  EXPECT_EQ(services.searches, 0);
  EXPECT_TRUE(services.lockRequests.empty());
  EXPECT_EQ(services.store.Value(kUpdateInfoSection, "ApplicationPath"), "/opt/quorvane");
  EXPECT_EQ(plan.modPublic.settings.Language, 1);  // from the country, as for any start
  EXPECT_EQ(plan.modPublic.Bodies[9].NameEn, "Pluto");
  ASSERT_TRUE(plan.modPublic.Rnd);

  FakeServices noDisplay;
  noDisplay.displayProblem = "cannot open display \":99\"";
  const StartPlan ended = StartUpHosted(noDisplay);
  EXPECT_EQ(ended.mode, StartMode::None);
  EXPECT_EQ(ended.exitStatus, 1);
  EXPECT_EQ(ended.message, "quorvane: cannot open display \":99\"");
  EXPECT_TRUE(noDisplay.store.values.empty());
}

TEST(StartUpTest, StartsThatShowNothingNeedNoLockNorDisplayAndWriteTheVersionRecord) {
  FakeServices services;
  services.lockHeld = true;
  services.displayProblem = "no display";
  const StartPlan overflow = StartUp("/p 99999999999", services);
  EXPECT_EQ(overflow.mode, StartMode::None);
  EXPECT_NE(overflow.exitStatus, 0);
  EXPECT_NE(overflow.message.find("overflow"), std::string::npos) << overflow.message;
  EXPECT_EQ(services.store.Value(kUpdateInfoSection, "ApplicationPath"), "/opt/quorvane");
  EXPECT_EQ(StartUp("/a", services).exitStatus, 0);
  EXPECT_TRUE(services.lockRequests.empty());
}

TEST(StartUpTest, AWindowStartGetsTheSharedValuesAndFixedSeedAngles) {
  FakeServices services;
  services.store.values[{"Config", "CenterId"}] = "11";
  services.testSeed = "42";
  StartPlan plan = StartUp("/P 1234", services);
  EXPECT_EQ(plan.mode, StartMode::Preview);
  EXPECT_EQ(plan.parentHandle, 1234);
  EXPECT_EQ(plan.modPublic.Pi, 3.141592653589793);
  EXPECT_EQ(plan.modPublic.settings.AutoChange, -1);
  EXPECT_EQ(plan.modPublic.settings.Language, kJapanese);
  EXPECT_EQ(plan.modPublic.Bodies[3].NameEn, "Earth");
  // std::mt19937_64(42) through std::generate_canonical<double, 53>: the same on any platform.
  EXPECT_EQ(plan.modPublic.Rnd(), 0.75515553295453897);
  EXPECT_EQ(plan.modPublic.Rnd(), 0.63903139385469743);
  services.testSeed = "42abc";  // not a number: the clock decides
  EXPECT_NE(StartUp("/s", services).modPublic.Rnd(), 0.75515553295453897);
}

}  // namespace
}  // namespace quorvane
