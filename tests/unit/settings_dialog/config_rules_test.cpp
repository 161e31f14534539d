#include "core/settings_dialog/config_rules.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ConfigRulesTest, FocusPositionOfTheLoadedSettings) {
  struct Case {
    std::int32_t centerId;
    std::int16_t autoChange;
    int position;
  };
  for (const Case& c : {Case{1, 0, 0}, Case{4, 0, 3}, Case{6, 0, 5}, Case{9, 0, 8}, Case{1, 1, 9},
                        Case{9, -1, 10}, Case{0, 0, -1}}) {
    Settings settings;
    settings.CenterId = c.centerId;
    settings.AutoChange = c.autoChange;
    EXPECT_EQ(FocusPosition(settings), c.position) << c.centerId << ' ' << c.autoChange;
  }
}

TEST(ConfigRulesTest, ZoomAcceptance) {
  const NumericLocale point{".", ","};
  const NumericLocale comma{",", "."};
  struct Case {
    const char* text;
    const NumericLocale& locale;
    bool accepted;
  };
  for (const Case& c : {
           Case{"1", point, true},    Case{"1.0", point, true},    Case{"50", point, true},
           Case{"50.0", point, true}, Case{" 7 ", point, true},    Case{"+5", point, true},
           Case{"5e0", point, true},  Case{"0.99", point, false},  Case{"50.01", point, false},
           Case{"", point, false},    Case{"abc", point, false},   Case{"12abc", point, false},
           Case{"-5", point, false},  Case{"100.0", point, false}, Case{"5e1", point, true},
           Case{"5e2", point, false}, Case{"1e400", point, false}, Case{"5,0", comma, true},
           Case{"0,5", comma, false},
       }) {
    EXPECT_EQ(ZoomTextAcceptable(c.text, c.locale), c.accepted) << '"' << c.text << '"';
  }
}

// The text is stored as typed, so the check must see the value the next start loads: a text
// whose separators the locale reads differently from the store is refused.
TEST(ConfigRulesTest, ZoomAcceptedOnlyAsTheValueItLoadsAs) {
  const NumericLocale point{".", ","};
  const NumericLocale comma{",", "."};
  struct Case {
    const char* text;
    const NumericLocale& locale;
    bool accepted;
  };
  for (const Case& c : {
           Case{"50,9", comma, false},   // loads as 50.9
           Case{"1.000", comma, false},  // a thousand here, loads as 1
           Case{"5.0", comma, false},    // fifty here, loads as 5
           Case{"1,5", point, false},    // fifteen here, loads as 1.5
           Case{"2,5", comma, true},
           Case{"2,5e1", comma, true},
           Case{"50,0", comma, true},
       }) {
    EXPECT_EQ(ZoomTextAcceptable(c.text, c.locale), c.accepted) << '"' << c.text << '"';
    if (c.accepted) {
      EXPECT_EQ(ZoomFromStoredText(c.text), static_cast<float>(*LocaleValue(c.text, c.locale)));
    }
  }
  EXPECT_EQ(ZoomFromStoredText("2,5"), 2.5F);
}

TEST(ConfigRulesTest, SaveWritesFourKeysInOrderWithTheirTextForms) {
  struct Case {
    DialogChoice choice;
    const char* centerId;
    const char* language;
    const char* zoom;
    const char* orbit;
  };
  for (const Case& c : {Case{{3, false, "5.0", false}, "4", "2", "5.0", "False"},
                        Case{{5, true, "7", true}, "6", "1", "7", "True"},
                        Case{{9, true, "100.0", false}, "10", "1", "100.0", "False"},
                        Case{{10, false, " 2,5 ", true}, "11", "2", " 2,5 ", "True"},
                        Case{{-1, false, "", false}, "0", "2", "", "False"}}) {
    const auto entries = ConfigEntries(c.choice);
    ASSERT_EQ(entries.size(), 4U);
    EXPECT_EQ(entries[0], std::make_pair(std::string_view("CenterId"), std::string(c.centerId)));
    EXPECT_EQ(entries[1], std::make_pair(std::string_view("Language"), std::string(c.language)));
    EXPECT_EQ(entries[2], std::make_pair(std::string_view("Zoom"), std::string(c.zoom)));
    EXPECT_EQ(entries[3], std::make_pair(std::string_view("Orbit"), std::string(c.orbit)));
  }
}

}  // namespace
}  // namespace quorvane
