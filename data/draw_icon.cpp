// Build tool: writes the program icon at the sizes of the hicolor icon theme,
// <output>/<N>x<N>/apps/quorvane.png for each size N given. Up to the size of the pixel-drawn
// picture (32) it scales that picture, made by hand for small sizes; larger icons are painted
// afresh from the same design, so that they stay sharp instead of showing enlarged pixels.
//   draw_icon <icon.png> <output folder> <size>...
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

// The design on the pixel picture's 32 × 32 grid: a dark sky, two orbits, the Sun and three
// planets on them.
QImage PaintIcon(int size) {
  QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&icon);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  painter.fillRect(QRectF(0, 0, 32, 32), QColor(0x00, 0x00, 0x10));
  painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.0));
  painter.setBrush(Qt::NoBrush);
  for (const double radius : {10.0, 15.0}) {
    painter.drawEllipse(QPointF(16, 16), radius, radius);
  }
  painter.setPen(Qt::NoPen);
  const struct {
    QPointF centre;
    double radius;
    QColor colour;
  } bodies[] = {{{16, 16}, 5.5, QColor(0xFF, 0x99, 0x00)},
                {{25.5, 12.5}, 2.5, QColor(0x33, 0x77, 0xFF)},
                {{9.5, 23.5}, 2.5, QColor(0xDD, 0xAA, 0x55)},
                {{28.5, 24.5}, 1.5, QColor(0xCC, 0x44, 0x22)}};
  for (const auto& body : bodies) {
    painter.setBrush(body.colour);
    painter.drawEllipse(body.centre, body.radius, body.radius);
  }
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: draw_icon <icon.png> <output folder> <size>...\n", stderr);
    return 2;
  }
  const QImage picture(QString::fromLocal8Bit(argv[1]));
  if (picture.isNull()) {
    std::fprintf(stderr, "draw_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    const QString folder =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    const QImage icon = size > picture.width() ? PaintIcon(size)
                                               : picture.scaled(size, size, Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation);
    if (size <= 0 || !QDir().mkpath(folder) || !icon.save(folder + "/quorvane.png")) {
      std::fprintf(stderr, "draw_icon: cannot write size %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
