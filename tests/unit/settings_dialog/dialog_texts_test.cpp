#include "settings_dialog/dialog_texts.h"

#include <gtest/gtest.h>

#include "startup/mod_public.h"
#include "startup/version.h"

namespace quorvane {
namespace {

TEST(DialogTextsTest, CaptionsInBothLanguagesCharacterForCharacter) {
  const auto japanese = CaptionsFor(1);
  const auto english = CaptionsFor(2);
  ASSERT_TRUE(japanese && english);
  EXPECT_EQ(japanese->labFocus, "基準とする惑星(&F)\uFF1A");
  EXPECT_EQ(japanese->labLanguage, "言語(&L)\uFF1A");
  EXPECT_EQ(japanese->optLanguage0, "日本語(&J)");
  EXPECT_EQ(japanese->labZoom, "直径の表示倍率(&M)\uFF1A");
  EXPECT_EQ(japanese->labX, "倍");
  EXPECT_EQ(japanese->labOrbit, "惑星軌道の表示(&V)\uFF1A");
  EXPECT_EQ(japanese->optOrbit0, "する(&Y)");
  EXPECT_EQ(japanese->optOrbit1, "しない(&N)");
  EXPECT_EQ(japanese->cmdCancel, "\uFF77\uFF6C\uFF9D\uFF7E\uFF99(&C)");
  EXPECT_EQ(japanese->cmdSubmit, "適用(&S)");

  EXPECT_EQ(english->labFocus, "&Focus on\uFF1A");
  EXPECT_EQ(english->labLanguage, "&Language\uFF1A");
  EXPECT_EQ(english->optLanguage0, "&Japanese");
  EXPECT_EQ(english->labZoom, "&Magnify diameter\uFF1A");
  EXPECT_EQ(english->labX, "x");
  EXPECT_EQ(english->labOrbit, "&View planets' orbit\uFF1A");
  EXPECT_EQ(english->optOrbit0, "&Yes");
  EXPECT_EQ(english->optOrbit1, "&No");
  EXPECT_EQ(english->cmdCancel, "&Cancel");
  EXPECT_EQ(english->cmdSubmit, "&Submit");
}

TEST(DialogTextsTest, NoCaptionsForOtherLanguages) {
  for (const int language : {0, 3, -1}) {
    EXPECT_FALSE(CaptionsFor(language)) << language;
  }
}

TEST(DialogTextsTest, FocusListHoldsElevenEntriesWithoutTheSun) {
  BodyTable bodies{};
  InitBodies(bodies);
  struct Case {
    int language;
    const char* first;
    const char* saturn;
    const char* last;
    const char* outwards;
    const char* inwards;
  };
  for (const Case& c :
       {Case{1, "水星", "土星", "冥王星", "自動切替\uFF08内から外\uFF09",
             "自動切替\uFF08外から内\uFF09"},
        Case{2, "Mercury", "Saturn", "Pluto", "Auto change; In to Out", "Auto change; Out to In"},
        Case{3, "Mercury", "Saturn", "Pluto", "Auto change; In to Out",
             "Auto change; Out to In"}}) {
    const auto entries = FocusListEntries(bodies, c.language);
    ASSERT_EQ(entries.size(), 11U) << c.language;
    EXPECT_EQ(entries[0], c.first);
    EXPECT_EQ(entries[5], c.saturn);
    EXPECT_EQ(entries[8], c.last);
    EXPECT_EQ(entries[9], c.outwards);
    EXPECT_EQ(entries[10], c.inwards);
    for (const auto& entry : entries) {
      EXPECT_NE(entry, DisplayName(bodies[kSunId], c.language));
    }
  }
}

TEST(DialogTextsTest, VersionTextOfTheFooter) {
  struct Case {
    int major, minor, revision;
    const char* expected;
  };
  for (const Case& c :
       {Case{1, 1, 0, "1.01"}, Case{2, 10, 1500, "2.10a"}, Case{1, 123, 999, "1.123"},
        Case{1, 0, 1000, "1.00a"}, Case{1, 5, 1999, "1.05a"}, Case{1, 5, 2000, "1.05b"},
        Case{3, 7, 26999, "3.07z"}}) {
    EXPECT_EQ(CopyrightVersionText(c.major, c.minor, c.revision), c.expected)
        << c.major << '.' << c.minor << '.' << c.revision;
  }
}

TEST(DialogTextsTest, FooterOfThisBuild) {
  EXPECT_EQ(CopyrightCaption(kVersionMajor, kVersionMinor, kVersionRevision),
            "Quorvane 1.01" + std::string(kMakersNotice));
}

TEST(DialogTextsTest, MessagesFollowTheLanguage) {
  EXPECT_EQ(ZoomErrorText(1).message, "倍率は1.0\uFF5E50.0の範囲の数値で指定してください");
  EXPECT_EQ(ZoomErrorText(1).title, "指定エラー");
  EXPECT_EQ(ZoomErrorText(2).message,
            "You must set numeric value between 1.0 abd 50.0 as the magnification.");
  EXPECT_EQ(ZoomErrorText(2).title, "Error");
  EXPECT_EQ(SaveErrorText(2).title, "Save error");
  EXPECT_EQ(SaveErrorText(1).title, "保存エラー");
}

}  // namespace
}  // namespace quorvane
