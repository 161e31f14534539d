#include "qt/startup/snapshot.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "core/orrery/orrery_scene.h"
#include "core/orrery/still_host.h"
#include "core/platform/screen_metrics.h"
#include "core/preview/preview_scene.h"
#include "core/startup/start_up.h"
#include "qt/orrery/orrery_canvas.h"
#include "qt/platform/canvas_image.h"
#include "qt/platform/fonts.h"
#include "qt/preview/preview_canvas.h"

namespace quorvane {

namespace {

constexpr int kBadFileStatus = 2;

PixelCanvas DrawOrrery(const SnapshotRequest& request, const Settings& settings) {
  ModPublic modPublic = DefaultSharedValues(request.seed);
  modPublic.settings = settings;
  const ScreenMetrics screen = LogicalScreen(request.width, request.height, 1);
  PixelCanvas canvas = MakeOrreryCanvas(screen, 1);
  StillHost host;
  OrreryScene scene(modPublic, canvas, screen, host);
  scene.Load();
  scene.DrawFirstFrames();
  for (int tick = 0; tick < request.ticks; ++tick) {
    scene.Tick();
  }
  return canvas;
}

PixelCanvas DrawPreview(const SnapshotRequest& request) {
  const ScreenMetrics screen = LogicalScreen(kPreviewWidthPixels, kPreviewHeightPixels, 1);
  PreviewScene scene(DefaultSharedValues(request.seed).Pi, screen.TwipsPerPixelX,
                     screen.TwipsPerPixelY);
  PixelCanvas canvas = MakePreviewCanvas(screen, 1, QFont());
  scene.SizeWindow();
  scene.Load(canvas);
  for (int tick = 0; tick < request.ticks; ++tick) {
    scene.Tick();
  }
  return canvas;
}

}  // namespace

int WriteSnapshot(int& argc, char** argv, const SnapshotRequest& request,
                  const Settings& settings) {
  // Glyphs need no window system.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
  const QGuiApplication application(argc, argv);
  InstallFontSubstitutions();

  const PixelCanvas canvas = request.preview ? DrawPreview(request) : DrawOrrery(request, settings);
  const QString file = QString::fromStdString(request.file);
  QImageWriter writer(file, "png");
  if (!writer.write(CanvasImage(canvas).convertToFormat(QImage::Format_RGB32))) {
    std::fprintf(stderr, "quorvane: cannot write %s: %s\n", request.file.c_str(),
                 writer.errorString().toLocal8Bit().constData());
    return kBadFileStatus;
  }
  return 0;
}

}  // namespace quorvane
