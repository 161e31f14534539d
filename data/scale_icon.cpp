// Build tool: writes the program icon at the sizes of the hicolor icon theme,
// <output>/<N>x<N>/apps/quorvane.png for each size N given.
//   scale_icon <icon.png> <output folder> <size>...
#include <QDir>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage: scale_icon <icon.png> <output folder> <size>...\n", stderr);
    return 2;
  }
  const QImage icon(QString::fromLocal8Bit(argv[1]));
  if (icon.isNull()) {
    std::fprintf(stderr, "scale_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = QString::fromLatin1(argv[i]).toInt();
    const QString folder =
        QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    // Whole multiples keep the drawn pixels crisp; other sizes are smoothed.
    const auto mode = size % icon.width() == 0 ? Qt::FastTransformation : Qt::SmoothTransformation;
    if (size <= 0 || !QDir().mkpath(folder) ||
        !icon.scaled(size, size, Qt::KeepAspectRatio, mode).save(folder + "/quorvane.png")) {
      std::fprintf(stderr, "scale_icon: cannot write size %s\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
