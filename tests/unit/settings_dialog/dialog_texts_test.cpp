#include "core/settings_dialog/dialog_texts.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string_view>

#include "core/startup/mod_public.h"
#include "core/startup/version.h"

namespace quorvane {
namespace {

// The captions themselves are checked on the window, in both languages.
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
  EXPECT_EQ(SaveErrorText(SaveResult::NotWritable, 2).title, "Save error");
  EXPECT_EQ(SaveErrorText(SaveResult::NotWritable, 1).title, "保存エラー");
}

// Each failure says what happened in its own words.
TEST(DialogTextsTest, EachSaveFailureHasItsOwnMessage) {
  const SaveResult failures[] = {SaveResult::NotWritable, SaveResult::Unreadable,
                                 SaveResult::TooLarge, SaveResult::Busy, SaveResult::NoHome};
  for (const int language : {1, 2}) {
    std::set<std::string_view> messages;
    for (const SaveResult failure : failures) {
      messages.insert(SaveErrorText(failure, language).message);
    }
    EXPECT_EQ(messages.size(), std::size(failures)) << language;
  }
}

}  // namespace
}  // namespace quorvane
