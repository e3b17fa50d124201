// Writes the program icon in the hicolor sizes a desktop expects:
//   gl_iconsizes ICON.png OUTDIR size...
// OUTDIR/<size>x<size>/apps/<name>.png, smooth scaling from the 48 x 48 icon.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: gl_iconsizes ICON.png OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        std::fprintf(stderr, "gl_iconsizes: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QString name = QString::fromLocal8Bit(argv[3]);
    for (int i = 4; i < argc; ++i) {
        const int size = QString::fromLocal8Bit(argv[i]).toInt();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        QDir().mkpath(dir);
        const QImage scaled = size == icon.width()
            ? icon
            : icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!scaled.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "gl_iconsizes: cannot write size %d\n", size);
            return 1;
        }
    }
    return 0;
}
