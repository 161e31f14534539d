#include "core/settings_dialog/dialog_texts.h"

#include "core/startup/language.h"
#include "core/startup/mod_public.h"

namespace quorvane {

namespace {

constexpr DialogCaptions kJapaneseCaptions{
    "基準とする惑星(&F)：",
    "言語(&L)：",
    "日本語(&J)",
    "直径の表示倍率(&M)：",
    "倍",
    "惑星軌道の表示(&V)：",
    "する(&Y)",
    "しない(&N)",
    "ｷｬﾝｾﾙ(&C)",
    "適用(&S)",
};

constexpr DialogCaptions kEnglishCaptions{
    "&Focus on：", "&Language：",
    "&Japanese",   "&Magnify diameter：",
    "x",           "&View planets' orbit：",
    "&Yes",        "&No",
    "&Cancel",     "&Submit",
};

constexpr std::string_view kProductName = "Quorvane";

}  // namespace

std::optional<DialogCaptions> CaptionsFor(int dialogLanguage) {
  switch (dialogLanguage) {
    case 1:
      return kJapaneseCaptions;
    case 2:
      return kEnglishCaptions;
    default:
      return std::nullopt;
  }
}

std::vector<std::string> FocusListEntries(const BodyTable& bodies, int dialogLanguage) {
  std::vector<std::string> entries;
  for (int id = kFirstPlanetId; id <= kLastPlanetId; ++id) {
    entries.push_back(DisplayName(bodies[id], dialogLanguage));
  }
  entries.emplace_back(ByLanguage<std::string_view>(dialogLanguage, "自動切替（内から外）",
                                                    "Auto change; In to Out"));
  entries.emplace_back(ByLanguage<std::string_view>(dialogLanguage, "自動切替（外から内）",
                                                    "Auto change; Out to In"));
  return entries;
}

std::string CopyrightVersionText(int major, int minor, int revision) {
  std::string text = std::to_string(major) + '.' + (minor < 10 ? "0" : "") + std::to_string(minor);
  if (revision > 999) {
    text += static_cast<char>('a' - 1 + revision / 1000);
  }
  return text;
}

std::string CopyrightCaption(int major, int minor, int revision) {
  return std::string(kProductName) + ' ' + CopyrightVersionText(major, minor, revision) +
         std::string(kMakersNotice);
}

MessageText ZoomErrorText(int dialogLanguage) {
  return ByLanguage<MessageText>(
      dialogLanguage, {"倍率は1.0～50.0の範囲の数値で指定してください", "指定エラー"},
      {"You must set numeric value between 1.0 abd 50.0 as the magnification.", "Error"});
}

MessageText SaveErrorText(int dialogLanguage) {
  return ByLanguage<MessageText>(
      dialogLanguage,
      {"設定を保存できませんでした。設定ファイルとそのフォルダーに書き込めるか確認してください。",
       "保存エラー"},
      {"The settings could not be saved. Check that the settings file and its folder can be "
       "written.",
       "Save error"});
}

}  // namespace quorvane
