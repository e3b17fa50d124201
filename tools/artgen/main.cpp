// Draws the program's fixed pictures into assets/ (run by hand after
// changing a drawing, then commit the PNGs), or lays the pictures of a
// directory out on a contact sheet for review.
//
//   artgen <assets-dir>
//   artgen --contact-sheet <out.png> [<assets-dir>]
#include "artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QSet>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == QStringLiteral("--contact-sheet")) {
        const QString dir = args.size() >= 3 ? args[2] : QStringLiteral("assets");
        if (!artgen::contactSheet(dir).save(args[1], "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(args[1]));
            return 1;
        }
        return 0;
    }
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: artgen <assets-dir> | artgen --contact-sheet <out.png> [<assets-dir>]\n");
        return 2;
    }
    const QDir dir(args[0]);
    for (const assets::PictureInfo &info : assets::allPictures()) {
        if (info.id == assets::PictureId::pic_spectrum)
            continue;
        const QImage img = artgen::drawPicture(info.id);
        if (img.size() != info.size || img.format() != QImage::Format_RGB32) {
            std::fprintf(stderr, "%s: drawn at the wrong size or format\n", info.name);
            return 1;
        }
        QSet<QRgb> colours;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                colours.insert(img.pixel(x, y));
        const QString path = dir.filePath(QLatin1StringView(info.name) + QStringLiteral(".png"));
        // RGB32 has no alpha channel, so the PNG is written as plain RGB.
        if (!img.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%-24s %3dx%-3d %5lld colours\n", info.name, img.width(), img.height(),
            static_cast<long long>(colours.size()));
    }
    return 0;
}
