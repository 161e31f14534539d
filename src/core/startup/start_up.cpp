#include "core/startup/start_up.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <functional>
#include <random>
#include <utility>

#include "core/startup/body_catalogue.h"
#include "core/startup/settings.h"

namespace quorvane {

namespace {

constexpr int kFailureStatus = 1;
constexpr int kOverflowStatus = 2;

// The clock, unless the test hook holds a whole unsigned decimal number.
std::uint64_t RandomSeed(SystemServices& services) {
  if (const auto text = services.EnvironmentVariable(kTestSeedVariable)) {
    std::uint64_t seed = 0;
    const char* end = text->data() + text->size();
    const auto [next, error] = std::from_chars(text->data(), end, seed);
    if (error == std::errc() && next == end && !text->empty()) {
      return seed;
    }
  }
  return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// The generator and the mapping are fully specified by the standard, so a seed gives the same
// numbers on every platform.
std::function<double()> SeededRandom(std::uint64_t seed) {
  return [generator = std::mt19937_64(seed)]() mutable {
    return std::generate_canonical<double, 53>(generator);
  };
}

StartPlan EndNow(int status = 0, std::string message = {}) {
  StartPlan plan;
  plan.exitStatus = status;
  plan.message = std::move(message);
  return plan;
}

// Pi, the version record, the settings and the body table.
void PrepareSharedValues(ModPublic& modPublic, SystemServices& services) {
  modPublic.Pi = 4 * std::atan(1.0);
  SettingsStore& store = services.Store();
  WriteVersionInfo(store, services.ExecutableFolder());
  modPublic.settings = LoadSettings(store, services.SystemCountryName());
  InitBodies(modPublic.Bodies);
}

}  // namespace

StartPlan StartUp(std::string_view argumentText, SystemServices& services) {
  // Both searches are always made. Hosts rely on the titles; the lock below closes the race of
  // two starts at the same instant, which the titles cannot see.
  const bool fullScreenOpen = services.TopLevelWindowExists(MainTitle);
  const bool dialogOpen = services.TopLevelWindowExists(kConfigTitle);
  if (fullScreenOpen || dialogOpen) {
    return EndNow();
  }

  StartPlan plan;
  plan.modPublic.Rnd = SeededRandom(RandomSeed(services));
  const StartDecision decision = DecideStart(argumentText);
  const bool showsWindow = decision.mode != StartMode::None && !decision.handleOverflow;

  if (showsWindow) {
    if (const auto problem = services.DisplayProblem()) {
      return EndNow(kFailureStatus, "quorvane: " + *problem);
    }
    if (decision.mode != StartMode::FullScreen) {
      if (const auto problem = services.DialogDisplayProblem()) {
        return EndNow(kFailureStatus, "quorvane: " + *problem);
      }
    }
    const InstanceLock kind =
        decision.mode == StartMode::Preview ? InstanceLock::Probe : InstanceLock::Exclusive;
    if (!services.AcquireInstanceLock(kind)) {
      return EndNow();
    }
  }

  PrepareSharedValues(plan.modPublic, services);

  if (decision.handleOverflow) {
    return EndNow(kOverflowStatus, "quorvane: overflow: the preview window handle in \"" +
                                       std::string(argumentText) + "\" is out of range");
  }
  plan.mode = decision.mode;
  plan.parentHandle = decision.parentHandle;
  return plan;
}

StartPlan StartUpHosted(SystemServices& services) {
  if (const auto problem = services.DisplayProblem()) {
    return EndNow(kFailureStatus, "quorvane: " + *problem);
  }
  StartPlan plan;
  plan.modPublic.Rnd = SeededRandom(RandomSeed(services));
  PrepareSharedValues(plan.modPublic, services);
  plan.mode = StartMode::FullScreen;
  return plan;
}

ModPublic DefaultSharedValues(std::uint64_t seed) {
  ModPublic modPublic;
  modPublic.Rnd = SeededRandom(seed);
  modPublic.Pi = 4 * std::atan(1.0);
  InitBodies(modPublic.Bodies);
  return modPublic;
}

}  // namespace quorvane
