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

MessageText SaveErrorText(SaveResult result, int dialogLanguage) {
  const auto message = [&](std::string_view japanese, std::string_view english) {
    return ByLanguage<MessageText>(dialogLanguage, {japanese, "保存エラー"},
                                   {english, "Save error"});
  };
  switch (result) {
    case SaveResult::Unreadable:
      return message(
          "設定ファイルを完全には読み込めなかったため、設定を保存しませんでした。"
          "ファイルは変更していません。",
          "The settings were not saved: the settings file could not be read completely, so it "
          "was left as it is.");
    case SaveResult::TooLarge:
      return message(
          "設定ファイルが1 MiBを超えているため、設定を保存しませんでした。"
          "ファイルは変更していません。",
          "The settings were not saved: the settings file is larger than 1 MiB, so it was left "
          "as it is.");
    case SaveResult::Busy:
      return message(
          "別のQuorvaneが設定を保存し続けているため、設定を保存できませんでした。"
          "しばらくしてからもう一度保存してください。",
          "The settings were not saved: another copy of Quorvane kept saving them. Save again in "
          "a moment.");
    case SaveResult::NoHome:
      return message(
          "ホームフォルダーが分からない（HOMEが設定されていない）ため、設定の保存先がありません。",
          "The settings were not saved: there is no home folder (HOME is not set) to keep them "
          "in.");
    case SaveResult::Saved:
    case SaveResult::NotWritable:
      break;
  }
  return message(
      "設定を保存できませんでした。設定ファイルとそのフォルダーに書き込めるか確認してください。",
      "The settings could not be saved. Check that the settings file and its folder can be "
      "written.");
}

}  // namespace quorvane
