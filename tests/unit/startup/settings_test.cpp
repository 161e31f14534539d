#include "core/startup/settings.h"

#include <gtest/gtest.h>

#include "support/memory_settings_store.h"

namespace quorvane {
namespace {

using testing::MemorySettingsStore;

Settings LoadFrom(std::initializer_list<std::pair<const char*, const char*>> config,
                  std::string_view country = "United States") {
  MemorySettingsStore store;
  for (const auto& [key, text] : config) {
    store.values[{"Config", key}] = text;
  }
  return LoadSettings(store, country);
}

TEST(LoadSettingsTest, EmptyStoreGivesTheDefaultsAndTheCountrysLanguage) {
  for (const char* country : {"Japan", "JAPAN", "japan"}) {
    const Settings settings = LoadFrom({}, country);
    EXPECT_EQ(settings.CenterId, 4);
    EXPECT_EQ(settings.Language, 1) << country;
    EXPECT_EQ(settings.Zoom, 5.0F);
    EXPECT_EQ(settings.Orbit, 0);
    EXPECT_EQ(settings.AutoChange, 0);
  }
  for (const char* country : {"United States", "Germany", "", "Japanese"}) {
    EXPECT_EQ(LoadFrom({}, country).Language, 2) << country;
  }
}

TEST(LoadSettingsTest, LoadingWritesNothing) {
  MemorySettingsStore store;
  LoadSettings(store, "Japan");
  EXPECT_TRUE(store.values.empty());
  EXPECT_EQ(store.syncCount, 0);
}

TEST(LoadSettingsTest, StoredLanguageWinsOverTheCountry) {
  EXPECT_EQ(LoadFrom({{"Language", "2"}}, "Japan").Language, 2);
  EXPECT_EQ(LoadFrom({{"Language", "1"}}, "France").Language, 1);
}

TEST(LoadSettingsTest, FocusValuesAndAutomaticModes) {
  const struct {
    const char* stored;
    std::int32_t centerId;
    std::int16_t autoChange;
  } cases[] = {
      {"1", 1, 0},
      {"9", 9, 0},
      {"6", 6, 0},
      {"10", 1, 1},
      {"11", 9, -1},
      // A hand-edited store: anything but a whole number from 1 to 11 means Mars.
      {"0", 4, 0},
      {"12", 4, 0},
      {"-1", 4, 0},
      {"abc", 4, 0},
      {"", 4, 0},
      {"3.5", 4, 0},
      {" 7 ", 7, 0},
      {"7.0", 7, 0},
      {"99999999999", 4, 0},
  };
  for (const auto& c : cases) {
    const Settings settings = LoadFrom({{"CenterId", c.stored}});
    EXPECT_EQ(settings.CenterId, c.centerId) << '"' << c.stored << '"';
    EXPECT_EQ(settings.AutoChange, c.autoChange) << '"' << c.stored << '"';
  }
}

TEST(LoadSettingsTest, LanguageOutsideOneAndTwoFallsBackToTheCountry) {
  for (const char* stored : {"0", "3", "-1", "x", "", "1.5"}) {
    EXPECT_EQ(LoadFrom({{"Language", stored}}, "Japan").Language, 1) << stored;
    EXPECT_EQ(LoadFrom({{"Language", stored}}, "Canada").Language, 2) << stored;
  }
}

TEST(LoadSettingsTest, Zoom) {
  const struct {
    const char* stored;
    float zoom;
  } cases[] = {
      {"2.5", 2.5F},
      {"5.0", 5.0F},
      {"7", 7.0F},
      {"50", 50.0F},
      {"2,5", 2.5F},
      {"100", 100.0F},
      {"1000", 1000.0F},
      {"1e30", 1e30F},
      {"0.5", 0.5F},
      // Not a finite number above zero: the default.
      {"0", 5.0F},
      {"-3", 5.0F},
      {"abc", 5.0F},
      {"", 5.0F},
      {"1e39", 5.0F},
      {"12abc", 5.0F},
      {"1,000.5", 5.0F},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadFrom({{"Zoom", c.stored}}).Zoom, c.zoom) << '"' << c.stored << '"';
  }
}

TEST(LoadSettingsTest, Orbit) {
  const struct {
    const char* stored;
    std::int16_t orbit;
  } cases[] = {
      {"True", -1}, {"true", -1}, {"TRUE", -1}, {"-1", -1}, {"1", -1},
      {"False", 0}, {"false", 0}, {"0", 0},     {"", 0},    {"yes", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LoadFrom({{"Orbit", c.stored}}).Orbit, c.orbit) << '"' << c.stored << '"';
  }
}

TEST(VersionTextTest, MinorTwoDigitsRevisionFour) {
  EXPECT_EQ(VersionText(1, 1, 0), "1.01.0000");
  EXPECT_EQ(VersionText(1, 12, 345), "1.12.0345");
  EXPECT_EQ(VersionText(2, 100, 12345), "2.100.12345");
}

TEST(WriteVersionInfoTest, WritesThePathAndTheProgramsVersionOnly) {
  MemorySettingsStore store;
  WriteVersionInfo(store, "/opt/quorvane/bin");
  EXPECT_EQ(store.values.size(), 2U);
  EXPECT_EQ((store.values[{"UpdateInfo", "ApplicationPath"}]), "/opt/quorvane/bin");
  EXPECT_EQ((store.values[{"UpdateInfo", "CurrentVersion"}]), "1.01.0000");
  EXPECT_EQ(store.syncCount, 1);
}

TEST(WriteVersionInfoTest, AStoreThatCannotBeWrittenIsNotFatal) {
  MemorySettingsStore store;
  store.writable = false;
  WriteVersionInfo(store, "/x");
  EXPECT_TRUE(store.values.empty());
}

}  // namespace
}  // namespace quorvane
