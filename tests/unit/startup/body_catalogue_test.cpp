#include "core/startup/body_catalogue.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

class BodyCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { InitBodies(bodies); }
  BodyTable bodies;
};

TEST_F(BodyCatalogueTest, HoldsTheTenBodiesFromTheSunOutwards) {
  struct Expected {
    const char* jp;
    const char* en;
    double orbitRadius;
    double diameter;
    Color color;
  };
  const Expected expected[kBodyCount] = {
      {"太陽", "Sun", 0, 1392000, 0x000060FF},
      {"水星", "Mercury", 5791, 4878, 0x00CCCC00},
      {"金星", "Venus", 10820, 12104, 0x0033CCFF},
      {"地球", "Earth", 14960, 12756, 0x00CC0000},
      {"火星", "Mars", 22794, 6787, 0x000000CC},
      {"木星", "Jupiter", 77833, 142800, 0x000040C0},
      {"土星", "Saturn", 142940, 120660, 0x00CC6000},
      {"天王星", "Uranus", 287099, 51118, 0x00FF8080},
      {"海王星", "Neptune", 450040, 49528, 0x0000C000},
      {"冥王星", "Pluto", 591352, 2320, 0x00C0C0C0},
  };
  for (int i = 0; i < kBodyCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(bodies[i].NameJp, expected[i].jp);
    EXPECT_EQ(bodies[i].NameEn, expected[i].en);
    EXPECT_EQ(bodies[i].OrbitRadius, expected[i].orbitRadius);
    EXPECT_EQ(bodies[i].Diameter, expected[i].diameter);
    EXPECT_EQ(bodies[i].Color, expected[i].color);
    EXPECT_EQ(bodies[i].Giant, i >= 5 && i <= 8 ? -1 : 0);
  }
}

TEST_F(BodyCatalogueTest, PeriodsAreTheDefiningProductsBitForBit) {
  volatile double daysPerYear = 365.26;  // keep the products out of constant folding
  EXPECT_EQ(bodies[0].Period, 0);
  EXPECT_EQ(bodies[1].Period, 87.97);
  EXPECT_EQ(bodies[2].Period, 224.7);
  EXPECT_EQ(bodies[3].Period, 365.26);
  EXPECT_EQ(bodies[4].Period, 686.98);
  EXPECT_EQ(bodies[5].Period, daysPerYear * 11.86);
  EXPECT_EQ(bodies[6].Period, daysPerYear * 29.46);
  EXPECT_EQ(bodies[7].Period, daysPerYear * 84);
  EXPECT_EQ(bodies[8].Period, daysPerYear * 164.8);
  EXPECT_NE(bodies[8].Period, 60194.848);
  EXPECT_EQ(bodies[8].Period, 60194.848000000005);
  EXPECT_EQ(bodies[9].Period, daysPerYear * 248.5);
}

TEST_F(BodyCatalogueTest, OrbitsGrowOutwards) {
  for (int i = kFirstPlanetId + 1; i <= kLastPlanetId; ++i) {
    EXPECT_GT(bodies[i].OrbitRadius, bodies[i - 1].OrbitRadius) << i;
  }
}

TEST_F(BodyCatalogueTest, DisplayNameFollowsTheLanguage) {
  EXPECT_EQ(DisplayName(bodies[7], 1), "天王星");
  EXPECT_EQ(DisplayName(bodies[7], 2), "Uranus");
  EXPECT_EQ(DisplayName(bodies[7], 0), "Uranus");
}

TEST_F(BodyCatalogueTest, InitReplacesWhatTheTableHeld) {
  bodies[3].NameEn = "Terra";
  bodies[3].Period = 1;
  InitBodies(bodies);
  EXPECT_EQ(bodies[3].NameEn, "Earth");
  EXPECT_EQ(bodies[3].Period, 365.26);
}

}  // namespace
}  // namespace quorvane
