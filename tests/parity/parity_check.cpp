// The Linux half of the comparison: for each picture both builds draw, runs `quorvane --snapshot`
// and checks that the drawing here is that snapshot, pixel for pixel; then, given the folder
// where the Windows program wrote its pictures, compares each with it: no pixel may differ outside
// the boxes of the text, whose fonts differ between the systems. Prints what it found.
//   parity_check QUORVANE_BINARY [WINDOWS_PICTURES_FOLDER]
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>

#include "parity/parity_picture.h"
#include "qt/orrery/orrery_canvas.h"
#include "qt/platform/fonts.h"

using namespace quorvane;

namespace {

// The first pixel where the snapshot differs from the picture, or nothing.
std::optional<QPoint> FirstDifference(const QImage& snapshot, const parity::Picture& picture) {
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const QRgb rgb = snapshot.pixel(x, y);
      const auto colour = static_cast<Color>(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16);
      if (colour != picture.At(x, y)) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

// Checks one case; prints a line and returns false when something is wrong.
bool Check(const parity::ParityCase& parityCase, const QString& quorvane, const QDir& scratch,
           const QString& windowsFolder) {
  const QString file = scratch.filePath(QString::fromLatin1(parityCase.name) + ".png");
  QStringList arguments{QStringLiteral("--snapshot"), file};
  arguments += QString::fromLatin1(parityCase.snapshotOptions).split(QLatin1Char(' '));
  QProcess snapshot;
  snapshot.start(quorvane, arguments);
  if (!snapshot.waitForFinished(60000) || snapshot.exitStatus() != QProcess::NormalExit ||
      snapshot.exitCode() != 0) {
    std::printf("%s: quorvane --snapshot failed: %s\n", parityCase.name,
                snapshot.readAllStandardError().constData());
    return false;
  }
  const QImage image(file);
  const parity::Picture linux = parity::Draw(parityCase, &MakeOrreryGlyphs);
  if (image.width() != linux.width || image.height() != linux.height) {
    std::printf("%s: the snapshot is %dx%d, the drawing %dx%d\n", parityCase.name, image.width(),
                image.height(), linux.width, linux.height);
    return false;
  }
  if (const std::optional<QPoint> at = FirstDifference(image, linux)) {
    std::printf("%s: the drawing here differs from quorvane --snapshot at %d,%d\n", parityCase.name,
                at->x(), at->y());
    return false;
  }
  if (windowsFolder.isEmpty()) {
    std::printf("%s: the drawing is the snapshot\n", parityCase.name);
    return true;
  }
  const std::optional<parity::Picture> windows = parity::Read(
      QDir(windowsFolder).filePath(QString::fromLatin1(parityCase.name)).toStdString());
  if (!windows || windows->width != linux.width || windows->height != linux.height) {
    std::printf("%s: no Windows picture of %dx%d in %s\n", parityCase.name, linux.width,
                linux.height, qPrintable(windowsFolder));
    return false;
  }
  const parity::Difference difference = parity::Compare(linux, *windows);
  std::printf(
      "%s (%dx%d): %lld pixels differ outside the text; inside the text boxes %lld of %lld "
      "differ (%.1f %%)\n",
      parityCase.name, linux.width, linux.height, difference.outsideText, difference.insideText,
      difference.textArea,
      difference.textArea > 0 ? 100.0 * static_cast<double>(difference.insideText) /
                                    static_cast<double>(difference.textArea)
                              : 0.0);
  if (difference.outsideText > 0) {
    std::printf("%s: the first at %d,%d: Linux %06X, Windows %06X (0xBBGGRR)\n", parityCase.name,
                difference.firstX, difference.firstY,
                linux.At(difference.firstX, difference.firstY),
                windows->At(difference.firstX, difference.firstY));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Glyphs need no window system.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() < 2 || arguments.size() > 3) {
    std::fputs("usage: parity_check QUORVANE_BINARY [WINDOWS_PICTURES_FOLDER]\n", stderr);
    return 2;
  }
  InstallFontSubstitutions();
  const QTemporaryDir scratch;
  bool passed = true;
  for (const parity::ParityCase& parityCase : parity::Cases()) {
    passed &= Check(parityCase, arguments[1], QDir(scratch.path()),
                    arguments.size() == 3 ? arguments[2] : QString());
  }
  return passed ? 0 : 1;
}
