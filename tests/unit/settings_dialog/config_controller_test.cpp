// The settings dialog's behaviour against a view that only remembers what it was told: what the
// load shows, what OK and Apply write, the magnification check and a store that cannot be
// written.
#include "core/settings_dialog/config_controller.h"

#include <gtest/gtest.h>

#include <map>

#include "core/settings_dialog/dialog_texts.h"
#include "support/memory_settings_store.h"

namespace quorvane {
namespace {

using testing::MemorySettingsStore;

class FakeView : public ConfigView {
 public:
  std::map<ControlId, std::string> captions;
  std::vector<std::string> entries;
  int selection = -1;
  std::map<ControlId, bool> checked;
  std::string zoomText;
  std::vector<std::pair<MessageIcon, MessageText>> messages;
  std::optional<ControlId> focus;
  int ended = 0;
  std::vector<std::string> pages;

  void SetCaption(ControlId control, std::string_view caption) override {
    captions[control] = caption;
  }
  // As a real list, emptying it clears the selection.
  void SetFocusEntries(const std::vector<std::string>& list) override {
    entries = list;
    selection = -1;
  }
  int FocusSelection() const override { return selection; }
  void SelectFocusEntry(int position) override { selection = position; }
  bool IsChecked(ControlId option) const override {
    const auto found = checked.find(option);
    return found != checked.end() && found->second;
  }
  void Check(ControlId option) override {
    static const std::map<ControlId, ControlId> kOther{
        {ControlId::optLanguage0, ControlId::optLanguage1},
        {ControlId::optLanguage1, ControlId::optLanguage0},
        {ControlId::optOrbit0, ControlId::optOrbit1},
        {ControlId::optOrbit1, ControlId::optOrbit0}};
    checked[kOther.at(option)] = false;
    checked[option] = true;
  }
  std::string ZoomText() const override { return zoomText; }
  void SetZoomText(std::string_view text) override { zoomText = text; }
  void ShowMessage(MessageIcon icon, const MessageText& text) override {
    messages.emplace_back(icon, text);
  }
  void MoveFocus(ControlId control) override { focus = control; }
  void EndProgram() override { ++ended; }
  void OpenWebPage(std::string_view url) override { pages.emplace_back(url); }
};

class ConfigControllerTest : public ::testing::Test {
 protected:
  ModPublic modPublic_;
  MemorySettingsStore store_;
  FakeView view_;
  NumericLocale locale_;

  ConfigControllerTest() { InitBodies(modPublic_.Bodies); }

  ConfigController Load() {
    ConfigController controller(view_, modPublic_, store_, locale_);
    controller.Load();
    return controller;
  }
  // The user clicks a language option: it is selected before its click event runs.
  void ClickLanguage(ConfigController& controller, bool japanese) {
    view_.Check(japanese ? ControlId::optLanguage0 : ControlId::optLanguage1);
    controller.SwitchLanguage();
  }
  std::vector<std::string> Config() const {
    std::vector<std::string> written;
    for (const char* key : {"CenterId", "Language", "Zoom", "Orbit"}) {
      written.push_back(store_.Value(kConfigSection, key).value_or("(none)"));
    }
    return written;
  }
};

TEST_F(ConfigControllerTest, OkWritesWhatTheLoadShowedAndWhatTheUserChanged) {
  struct Case {
    Settings settings;
    NumericLocale locale;
    int selection;
    const char* zoomText;
    const char* typed;  // replaces the magnification unless null
    bool clickJapanese;
    std::vector<std::string> written;  // CenterId, Language, Zoom, Orbit
  };
  const NumericLocale comma{",", "."};
  for (const Case& c : {
           Case{{4, 2, 5.0F, 0, 0}, {}, 3, "5.0", nullptr, false, {"4", "2", "5.0", "False"}},
           Case{{4, 2, 5.0F, 0, 0}, {}, 3, "5.0", "7", false, {"4", "2", "7", "False"}},
           Case{{1, 1, 2.5F, 0, 1}, {}, 9, "2.5", nullptr, false, {"10", "1", "2.5", "False"}},
           Case{{9, 1, 12.25F, -1, -1},
                comma,
                10,
                "12,25",
                nullptr,
                false,
                {"11", "1", "12,25", "True"}},
           Case{{6, 2, 3.14159F, -1, 0}, {}, 5, "3.14", nullptr, false, {"6", "2", "3.14", "True"}},
           Case{{4, 2, 5.0F, 0, 0}, {}, 3, "5.0", nullptr, true, {"4", "1", "5.0", "False"}},
           Case{{0, 2, 5.0F, 0, 0}, {}, -1, "5.0", nullptr, false, {"0", "2", "5.0", "False"}},
       }) {
    store_ = {};
    view_ = {};
    modPublic_.settings = c.settings;
    locale_ = c.locale;
    ConfigController controller = Load();
    EXPECT_EQ(view_.selection, c.selection);
    EXPECT_EQ(view_.zoomText, c.zoomText);
    EXPECT_EQ(view_.IsChecked(ControlId::optOrbit0), c.settings.Orbit != 0);
    EXPECT_EQ(view_.IsChecked(ControlId::optOrbit1), c.settings.Orbit == 0);
    EXPECT_EQ(view_.focus, ControlId::cboFocus);
    if (c.clickJapanese) {
      ClickLanguage(controller, true);
    }
    if (c.typed != nullptr) {
      view_.zoomText = c.typed;
    }
    controller.SaveAndClose();
    EXPECT_TRUE(view_.messages.empty());
    EXPECT_EQ(view_.ended, 1);
    EXPECT_EQ(Config(), c.written) << c.written[0];
  }
}

TEST_F(ConfigControllerTest, LanguageSwitchKeepsTheListSelection) {
  for (const int position : {5, 10, -1}) {
    view_ = {};
    modPublic_.settings.Language = 2;
    ConfigController controller = Load();
    view_.selection = position;
    for (const bool japanese : {true, false, true, true}) {
      ClickLanguage(controller, japanese);
      const int language = japanese ? 1 : 2;
      EXPECT_EQ(view_.selection, position);
      EXPECT_EQ(view_.entries, FocusListEntries(modPublic_.Bodies, language));
      EXPECT_EQ(view_.captions[ControlId::labFocus], CaptionsFor(language)->labFocus);
      EXPECT_EQ(view_.captions[ControlId::cmdSubmit], CaptionsFor(language)->cmdSubmit);
      EXPECT_EQ(view_.captions[ControlId::optLanguage1], "&English");
      EXPECT_EQ(view_.captions[ControlId::cmdOK], "&OK");
    }
  }
  EXPECT_TRUE(store_.values.empty());
}

TEST_F(ConfigControllerTest, RejectedMagnificationKeepsTheFocusAndWritesNothing) {
  for (const bool japanese : {false, true}) {
    for (const char* text : {"0.99", "50.01", "", "12abc"}) {
      view_ = {};
      ConfigController controller = Load();
      ClickLanguage(controller, japanese);
      view_.zoomText = text;
      EXPECT_FALSE(controller.CheckZoom());
      controller.SaveAndClose();
      ASSERT_EQ(view_.messages.size(), 2U) << text;
      EXPECT_EQ(view_.messages[1].first, MessageIcon::Warning);
      EXPECT_EQ(view_.messages[1].second.title, japanese ? "指定エラー" : "Error");
      EXPECT_EQ(view_.focus, ControlId::txtZoom);
      EXPECT_EQ(view_.zoomText, text);
      EXPECT_EQ(view_.ended, 0);
      EXPECT_TRUE(store_.values.empty());
      EXPECT_EQ(store_.syncCount, 0);
    }
  }
}

// A magnification stored by hand outside the limits shows as loaded; Apply writes it back as it
// is, OK refuses it.
TEST_F(ConfigControllerTest, StoredMagnificationOutsideTheLimits) {
  modPublic_.settings.Zoom = 100;
  ConfigController controller = Load();
  EXPECT_EQ(view_.zoomText, "100.0");
  controller.Save();
  EXPECT_EQ(Config()[2], "100.0");
  store_.values.clear();
  controller.SaveAndClose();
  ASSERT_EQ(view_.messages.size(), 1U);
  EXPECT_EQ(view_.ended, 0);
  EXPECT_TRUE(store_.values.empty());
}

TEST_F(ConfigControllerTest, ApplyThenCancelKeepsWhatWasApplied) {
  ConfigController controller = Load();
  view_.selection = 5;
  view_.Check(ControlId::optOrbit0);
  view_.zoomText = "7";
  controller.Save();
  EXPECT_EQ(view_.ended, 0);
  ClickLanguage(controller, true);
  view_.zoomText = "9";
  controller.OpenHomePage();
  EXPECT_EQ(view_.pages, std::vector<std::string>{std::string(kHomePage)});
  controller.Close();
  EXPECT_EQ(view_.ended, 1);
  EXPECT_TRUE(view_.messages.empty());
  EXPECT_EQ(Config(), (std::vector<std::string>{"6", "2", "7", "True"}));
}

// Saving must not look successful when nothing was stored: the dialog says so in its language
// and stays open with the user's values, which a later save still writes.
TEST_F(ConfigControllerTest, FailedSaveKeepsTheDialogOpen) {
  modPublic_.settings.Language = 2;
  ConfigController controller = Load();
  view_.selection = 7;
  view_.zoomText = "8";
  store_.writable = false;
  controller.SaveAndClose();
  ClickLanguage(controller, true);
  controller.Save();
  store_.failure = SaveResult::Busy;
  controller.Save();
  ASSERT_EQ(view_.messages.size(), 3U);
  EXPECT_EQ(view_.messages[0].first, MessageIcon::Critical);
  EXPECT_EQ(view_.messages[0].second.title, "Save error");
  EXPECT_EQ(view_.messages[1].second.title, "保存エラー");
  // The message names what went wrong.
  EXPECT_EQ(view_.messages[2].second.message, SaveErrorText(SaveResult::Busy, 1).message);
  EXPECT_EQ(view_.ended, 0);
  EXPECT_EQ(view_.selection, 7);
  EXPECT_EQ(view_.zoomText, "8");
  store_.writable = true;
  controller.SaveAndClose();
  EXPECT_EQ(view_.ended, 1);
  EXPECT_EQ(Config(), (std::vector<std::string>{"8", "1", "8", "False"}));
}

// A label's access key leads into its row: the list, the text box, or the selected option.
TEST_F(ConfigControllerTest, LabelAccessKeysMoveTheFocusIntoTheirRow) {
  modPublic_.settings.Language = 2;
  modPublic_.settings.Orbit = 0;
  ConfigController controller = Load();
  const std::pair<ControlId, ControlId> expected[] = {
      {ControlId::labOrbit, ControlId::optOrbit1},
      {ControlId::labFocus, ControlId::cboFocus},
      {ControlId::labLanguage, ControlId::optLanguage1},
      {ControlId::labZoom, ControlId::txtZoom},
  };
  for (const auto& [label, target] : expected) {
    controller.EnterRowOfLabel(label);
    EXPECT_EQ(view_.focus, target);
  }
  view_.Check(ControlId::optOrbit0);
  ClickLanguage(controller, true);
  controller.EnterRowOfLabel(ControlId::labOrbit);
  EXPECT_EQ(view_.focus, ControlId::optOrbit0);
  controller.EnterRowOfLabel(ControlId::labLanguage);
  EXPECT_EQ(view_.focus, ControlId::optLanguage0);
}

}  // namespace
}  // namespace quorvane
