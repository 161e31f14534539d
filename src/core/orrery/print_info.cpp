#include <string>

#include "core/orrery/orrery_scene.h"
#include "core/startup/language.h"
#include "core/startup/number_text.h"

namespace quorvane {

namespace {

struct OverlayTexts {
  const char* magnification;
  const char* focus;
  const char* timeScale;
  const char* times;
};

constexpr OverlayTexts kJapaneseTexts{"直径倍率：", "基準：", "時間倍率：", "倍"};
constexpr OverlayTexts kEnglishTexts{"diameter magnification:", "focus:", "time scale:", "x"};

}  // namespace

// Printed over whatever is there on every frame; only a focus change clears the old lines.
void OrreryScene::PrintInfo() {
  const OverlayTexts& texts =
      ByLanguage(modPublic_.settings.Language, kJapaneseTexts, kEnglishTexts);
  const Body& focus = FocusBody();
  const float left = 50 * screen_.TwipsPerPixelX;

  canvas_.SetCurrentX(left);
  canvas_.SetCurrentY(50 * screen_.TwipsPerPixelY);
  canvas_.SetForeColor(kWhite);
  infoLine_.assign(texts.magnification);
  infoLine_ += FormatNumber(modPublic_.settings.Zoom, "0.0#");
  infoLine_ += texts.times;
  canvas_.Print(infoLine_);
  canvas_.SetCurrentX(left);
  canvas_.SetCurrentY(70 * screen_.TwipsPerPixelY);
  infoLine_.assign(texts.focus);
  infoLine_ += Label(focus);
  canvas_.Print(infoLine_);
  canvas_.SetCurrentX(left);
  canvas_.SetCurrentY(90 * screen_.TwipsPerPixelY);
  // The focus body's period in minutes: simulated time per real minute at the nominal tick.
  infoLine_.assign(texts.timeScale);
  infoLine_ += FormatNumber(focus.Period * 24 * 60, "##0.00");
  infoLine_ += texts.times;
  canvas_.Print(infoLine_);
}

}  // namespace quorvane
