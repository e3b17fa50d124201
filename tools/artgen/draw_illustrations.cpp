// The two pictures that stand for photographs: the window icon (a child's
// portrait) and the apparatus on the title screen. Both are painted large
// and scaled down, which gives them the soft edges of a photograph.
#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <random>

namespace artgen {

namespace {

// A little sensor grain; a fixed seed keeps the committed pictures stable.
void addGrain(QImage &img, QRect area, int amplitude, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> d(-amplitude, amplitude);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = img.pixel(x, y);
            const int n = d(rng);
            img.setPixel(x, y,
                qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                    std::clamp(qBlue(c) + n, 0, 255)));
        }
}

QImage downscaled(const QImage &big, QSize size)
{
    return big.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage drawIcon()
{
    constexpr int S = 8;
    QImage big(48 * S, 48 * S, QImage::Format_RGB32);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(S, S);
        p.setPen(Qt::NoPen);

        QRadialGradient bg(QPointF(22, 16), 36);
        bg.setColorAt(0.0, QColor(92, 94, 72));
        bg.setColorAt(1.0, QColor(40, 42, 32));
        p.fillRect(QRectF(0, 0, 48, 48), bg);

        // Yellow top over the shoulders, with a round neckline.
        QLinearGradient top(0, 36, 0, 48);
        top.setColorAt(0.0, QColor(255, 222, 48));
        top.setColorAt(1.0, QColor(228, 176, 12));
        QPainterPath body;
        body.addEllipse(QPointF(24, 55), 25, 18.5);
        p.setBrush(top);
        p.drawPath(body);
        QRadialGradient fold(QPointF(24, 50), 20);
        fold.setColorAt(0.6, QColor(0, 0, 0, 0));
        fold.setColorAt(1.0, QColor(120, 80, 0, 90));
        p.setBrush(fold);
        p.drawPath(body);

        // Neck, shaded under the chin.
        QLinearGradient neck(0, 29, 0, 39);
        neck.setColorAt(0.0, QColor(176, 122, 92));
        neck.setColorAt(1.0, QColor(226, 176, 142));
        p.setBrush(neck);
        p.drawRoundedRect(QRectF(19.5, 28, 9, 10.5), 3, 3);
        p.setBrush(QColor(214, 160, 24));
        p.drawEllipse(QPointF(24, 38.3), 6.2, 2.6);
        p.setBrush(QColor(232, 184, 150));
        p.drawEllipse(QPointF(24, 37.4), 4.8, 1.6);

        // Ears, then the face.
        p.setBrush(QColor(226, 170, 138));
        p.drawEllipse(QPointF(14.6, 23), 2.2, 3.2);
        p.drawEllipse(QPointF(33.4, 23), 2.2, 3.2);
        QRadialGradient skin(QPointF(22.5, 21), 12.5);
        skin.setColorAt(0.0, QColor(250, 214, 186));
        skin.setColorAt(0.7, QColor(238, 192, 160));
        skin.setColorAt(1.0, QColor(204, 148, 116));
        p.setBrush(skin);
        p.drawEllipse(QPointF(24, 22.5), 9.6, 11.2);
        QRadialGradient blush(QPointF(0, 0), 3);
        blush.setColorAt(0.0, QColor(236, 130, 120, 90));
        blush.setColorAt(1.0, QColor(236, 130, 120, 0));
        for (double cx : {18.8, 29.2}) {
            p.save();
            p.translate(cx, 26.2);
            p.setBrush(blush);
            p.drawEllipse(QPointF(0, 0), 3, 3);
            p.restore();
        }

        // Short brown hair: a cap with a ragged fringe over the forehead.
        QPainterPath cap;
        cap.addEllipse(QPointF(24, 17.2), 11.4, 10.2);
        QPainterPath forehead;
        forehead.moveTo(12, 30);
        forehead.lineTo(13.2, 21);
        forehead.cubicTo(14, 17, 15.5, 16.4, 17, 16.2);
        const double fringe[][2] = {{18.5, 15.2}, {20, 16.3}, {21.8, 15.1}, {23.6, 16.4}, {25.4, 15.2}, {27.2, 16.3},
            {29, 15.3}, {30.8, 16.6}};
        for (const auto &f : fringe)
            forehead.lineTo(f[0], f[1]);
        forehead.cubicTo(33, 17, 34.5, 19, 34.8, 21);
        forehead.lineTo(36, 30);
        forehead.closeSubpath();
        const QPainterPath hair = cap.subtracted(forehead);
        QLinearGradient hairShade(14, 7, 32, 22);
        hairShade.setColorAt(0.0, QColor(150, 98, 56));
        hairShade.setColorAt(1.0, QColor(84, 52, 28));
        p.setBrush(hairShade);
        p.drawPath(hair);
        p.setClipPath(hair);
        p.setPen(QPen(QColor(70, 42, 22, 150), 0.35));
        for (int i = 0; i < 14; ++i) {
            const double x = 13.5 + i * 1.5;
            p.drawLine(QPointF(24 + (x - 24) * 0.3, 7.5), QPointF(x, 17.5));
        }
        p.setPen(QPen(QColor(190, 140, 90, 120), 0.5));
        p.drawArc(QRectF(16, 9, 12, 8), 60 * 16, 70 * 16);
        p.setClipping(false);
        p.setPen(Qt::NoPen);

        // Eyes, brows, nose and a small smile.
        for (double cx : {20.3, 27.7}) {
            p.setBrush(QColor(250, 248, 244));
            p.drawEllipse(QPointF(cx, 22.2), 1.9, 1.15);
            p.setBrush(QColor(78, 52, 34));
            p.drawEllipse(QPointF(cx, 22.2), 1.05, 1.05);
            p.setBrush(QColor(20, 12, 8));
            p.drawEllipse(QPointF(cx, 22.2), 0.5, 0.5);
            p.setBrush(QColor(255, 255, 255));
            p.drawEllipse(QPointF(cx + 0.35, 21.85), 0.28, 0.28);
            p.setPen(QPen(QColor(110, 74, 46), 0.55, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(cx - 2.2, 18.9, 4.4, 2.4), 30 * 16, 120 * 16);
            p.setPen(Qt::NoPen);
        }
        p.setPen(QPen(QColor(196, 136, 108), 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24.4, 23.6), QPointF(24.8, 26.2));
        p.drawArc(QRectF(22.6, 25.6, 2.8, 1.2), 200 * 16, 140 * 16);
        p.setPen(QPen(QColor(186, 84, 84), 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(21.2, 26.4, 5.6, 2.8), 200 * 16, 140 * 16);
    }
    QImage img = downscaled(big, QSize(48, 48));
    addGrain(img, img.rect(), 2, 48);
    const QRgb frame = qRgb(240, 255, 212);
    for (int i = 1; i <= 46; ++i) {
        img.setPixel(i, 1, frame);
        img.setPixel(i, 46, frame);
        img.setPixel(1, i, frame);
        img.setPixel(46, i, frame);
    }
    return img;
}

namespace {

// The bench in perspective: t runs along it from the near (left) end to the
// far end, d from its front edge to its back edge, h up from its top.
struct Bench {
    QPointF nearFront{17, 162}, farFront{160, 104};
    QPointF nearDepth{-3, -10}, farDepth{-1.5, -5.5};
    double nearThick = 13, farThick = 7;

    QPointF at(double t, double d = 0, double h = 0, double scaleH = 1) const
    {
        const QPointF front = nearFront + (farFront - nearFront) * t;
        const QPointF depth = nearDepth + (farDepth - nearDepth) * t;
        return front + depth * d - QPointF(0, h * scaleH * perspective(t));
    }
    double perspective(double t) const { return 1.0 - 0.38 * t; }
    double thick(double t) const { return nearThick + (farThick - nearThick) * t; }
};

QPolygonF quad(QPointF a, QPointF b, QPointF c, QPointF d)
{
    return QPolygonF({a, b, c, d});
}

void paintBench(QPainter &p, const Bench &b)
{
    const QPointF nf = b.at(0), ff = b.at(1), nb = b.at(0, 1), fb = b.at(1, 1);
    const QPointF down0(0, b.thick(0)), down1(0, b.thick(1));

    // Soft shadow on the table under the bench.
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(0, 0, 0, 7));
        p.drawPolygon(quad(nf + down0 + QPointF(1, 1), ff + down1 + QPointF(1, 1),
            ff + down1 + QPointF(4 + i, 2 + i * 0.6), nf + down0 + QPointF(6 + 2 * i, 3 + i * 1.2)));
    }
    // Feet.
    p.setBrush(QColor(58, 60, 62));
    for (double t : {0.07, 0.93}) {
        const QPointF f = b.at(t) + QPointF(0, b.thick(t));
        p.drawRect(QRectF(f.x() - 3, f.y() - 1, 7, 3.5 * b.perspective(t)));
    }

    QLinearGradient topFace(nb, nf);
    topFace.setColorAt(0.0, QColor(236, 238, 236));
    topFace.setColorAt(1.0, QColor(252, 252, 250));
    p.setBrush(topFace);
    p.drawPolygon(quad(nf, ff, fb, nb));
    QLinearGradient frontFace(nf, nf + down0);
    frontFace.setColorAt(0.0, QColor(246, 246, 244));
    frontFace.setColorAt(1.0, QColor(214, 216, 214));
    p.setBrush(frontFace);
    p.drawPolygon(quad(nf, ff, ff + down1, nf + down0));
    p.setBrush(QColor(198, 200, 198));
    p.drawPolygon(quad(nf, nb, nb + down0, nf + down0));
    p.setPen(QPen(QColor(170, 172, 170), 0.35));
    p.drawLine(nf, ff);
    p.setPen(Qt::NoPen);

    // Printed scale along the front face: a tick every centimetre, longer
    // ones every five, numbers every ten.
    QFont digits(QStringLiteral("DejaVu Sans"));
    digits.setPixelSize(4);
    p.setFont(digits);
    for (int i = 1; i < 60; ++i) {
        const double t = i / 60.0;
        const QPointF top = b.at(t) + QPointF(0, 1.4);
        const double len = (i % 10 == 0 ? 4.5 : i % 5 == 0 ? 3.2 : 2.0) * b.perspective(t);
        p.setPen(QPen(QColor(30, 30, 34), 0.32));
        p.drawLine(top, top + QPointF(0, len));
        if (i % 10 == 0 && t < 0.9) {
            p.save();
            p.translate(top + QPointF(0.6, len + 3.4 * b.perspective(t)));
            p.scale(b.perspective(t), b.perspective(t));
            p.drawText(QPointF(0, 0), QString::number(i));
            p.restore();
        }
    }
    p.setPen(Qt::NoPen);
}

// A white upright box standing on the bench at t, seen from the front-left:
// its front and its left side show.
void whiteBox(QPainter &p, const Bench &b, double t, double width, double height, double depth)
{
    const double s = b.perspective(t);
    const QPointF base = b.at(t, 0.5 - depth / 2);
    const QPointF left = base - QPointF(width / 2 * s, 0);
    const QPointF right = base + QPointF(width / 2 * s, 0);
    const QPointF up(0, -height * s);
    const QPointF back = (b.at(t, 1) - b.at(t, 0)) * depth;
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawPolygon(quad(right, right + QPointF(5 * s, -3 * s), right + back + QPointF(5 * s, -3 * s), right + back));
    p.setBrush(QColor(214, 216, 216));
    p.drawPolygon(quad(left, left + back, left + back + up, left + up));
    p.setBrush(QColor(244, 245, 244));
    p.drawPolygon(quad(left + back + up, right + back + up, right + up, left + up));
    QLinearGradient front(left + up, right);
    front.setColorAt(0.0, QColor(250, 250, 249));
    front.setColorAt(1.0, QColor(232, 233, 232));
    p.setBrush(front);
    p.drawPolygon(quad(left, right, right + up, left + up));
}

void paintLamp(QPainter &p, const Bench &b)
{
    const double t = 0.13, s = b.perspective(t);
    whiteBox(p, b, t, 15, 30, 0.8);
    const QPointF base = b.at(t, 0.1);
    // The slit: a dark vertical gap in the middle of the front face.
    p.setBrush(QColor(28, 26, 24));
    p.drawRect(QRectF(base.x() - 0.9 * s, base.y() - 25 * s, 1.8 * s, 19 * s));

    // Golden cylinder sticking out of the block's left side.
    const QPointF axisStart = base + QPointF(-5 * s, -16 * s);
    const QPointF axisEnd = axisStart + QPointF(-20, 4);
    const double r = 6.2 * s;
    QLinearGradient brass(0, axisStart.y() - r, 0, axisStart.y() + r);
    brass.setColorAt(0.0, QColor(176, 120, 18));
    brass.setColorAt(0.25, QColor(252, 222, 112));
    brass.setColorAt(0.55, QColor(226, 176, 40));
    brass.setColorAt(1.0, QColor(138, 92, 12));
    QPainterPath body;
    body.moveTo(axisStart + QPointF(0, -r));
    body.lineTo(axisEnd + QPointF(0, -r));
    body.arcTo(QRectF(axisEnd.x() - r * 0.45, axisEnd.y() - r, r * 0.9, 2 * r), 90, 180);
    body.lineTo(axisStart + QPointF(0, r));
    body.closeSubpath();
    p.setBrush(brass);
    p.drawPath(body);
    p.setBrush(QColor(196, 148, 34));
    p.drawEllipse(axisEnd, r * 0.45, r);
    p.setBrush(QColor(150, 104, 20));
    p.drawEllipse(axisEnd, r * 0.28, r * 0.62);
    p.setBrush(QColor(120, 80, 16, 120));
    p.drawRect(QRectF(axisStart.x() - 4, axisStart.y() - r, 1.2, 2 * r));
}

void paintGratingHolder(QPainter &p, const Bench &b)
{
    const double t = 0.5, s = b.perspective(t);
    const QPointF foot = b.at(t, 0.5);
    // Carriage on the bench and a rod up to the frame.
    p.setBrush(QColor(70, 72, 76));
    p.drawRect(QRectF(foot.x() - 6 * s, foot.y() - 4 * s, 12 * s, 5 * s));
    QLinearGradient rod(foot.x() - 1.3 * s, 0, foot.x() + 1.3 * s, 0);
    rod.setColorAt(0.0, QColor(120, 122, 126));
    rod.setColorAt(0.4, QColor(220, 222, 226));
    rod.setColorAt(1.0, QColor(90, 92, 96));
    p.setBrush(rod);
    p.drawRect(QRectF(foot.x() - 1.3 * s, foot.y() - 24 * s, 2.6 * s, 21 * s));

    // Like the screen, the frame stands across the bench and slants a little.
    p.save();
    p.translate(foot);
    p.shear(0, -0.12);
    p.translate(-foot);
    const QRectF frame(foot.x() - 11 * s, foot.y() - 45 * s, 22 * s, 22 * s);
    p.setBrush(QColor(0, 0, 0, 35));
    p.drawRect(frame.translated(3 * s, 2 * s));
    QLinearGradient red(frame.topLeft(), frame.bottomRight());
    red.setColorAt(0.0, QColor(232, 52, 44));
    red.setColorAt(1.0, QColor(150, 18, 18));
    p.setBrush(red);
    p.drawRect(frame);
    const QRectF window = frame.adjusted(6 * s, 6 * s, -6 * s, -6 * s);
    QLinearGradient glass(window.topLeft(), window.bottomRight());
    glass.setColorAt(0.0, QColor(52, 50, 70));
    glass.setColorAt(0.5, QColor(24, 24, 32));
    glass.setColorAt(1.0, QColor(44, 40, 58));
    p.setBrush(glass);
    p.drawRect(window);
    p.setPen(QPen(QColor(255, 140, 130), 0.4));
    p.drawLine(frame.topLeft(), frame.topRight());
    p.setPen(Qt::NoPen);
    p.restore();
}

void paintScreen(QPainter &p, const Bench &b)
{
    const double t = 0.9, s = b.perspective(t);
    const QPointF foot = b.at(t, 0.5);
    p.setBrush(QColor(70, 72, 76));
    p.drawRect(QRectF(foot.x() - 6 * s, foot.y() - 4 * s, 12 * s, 5 * s));
    p.setBrush(QColor(150, 152, 156));
    p.drawRect(QRectF(foot.x() - 1.2 * s, foot.y() - 14 * s, 2.4 * s, 11 * s));

    // The screen faces the light, so it is seen slanting away to the right.
    const double w = 34 * s, h = 40 * s;
    const QPointF bl = foot + QPointF(-w / 2, -13 * s);
    const QPointF br = bl + QPointF(w, -4);
    const QPointF tl = bl + QPointF(0, -h), tr = br + QPointF(0, -h);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawPolygon(quad(bl + QPointF(3, 2), br + QPointF(3, 2), tr + QPointF(3, 2), tl + QPointF(3, 2)));
    p.setBrush(QColor(196, 198, 198));
    p.drawPolygon(quad(bl, bl + QPointF(-1.6, -1), tl + QPointF(-1.6, -1), tl));
    QLinearGradient face(tl, br);
    face.setColorAt(0.0, QColor(254, 254, 252));
    face.setColorAt(1.0, QColor(228, 230, 230));
    p.setBrush(face);
    p.drawPolygon(quad(bl, br, tr, tl));
    // Scale along the top edge.
    for (int i = 0; i <= 20; ++i) {
        const QPointF a = tl + (tr - tl) * (i / 20.0) + QPointF(0, 1.0);
        const double len = i % 10 == 0 ? 5.0 : i % 5 == 0 ? 3.6 : 2.4;
        p.setPen(QPen(QColor(20, 20, 24), 0.5));
        p.drawLine(a, a + QPointF(0, len));
    }
    p.setPen(QPen(QColor(150, 152, 152), 0.35));
    p.drawPolygon(quad(bl, br, tr, tl));
    p.setPen(Qt::NoPen);
}

} // namespace

QImage drawPhoto()
{
    constexpr int S = 4;
    const QRgb band = qRgb(141, 146, 144);
    QImage big(171 * S, 200 * S, QImage::Format_RGB32);
    big.fill(Qt::white);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(S, S);
        p.fillRect(QRectF(0, 46, 171, 107), QColor(band));
        p.setPen(Qt::NoPen);
        const Bench bench;
        paintBench(p, bench);
        paintScreen(p, bench);
        paintGratingHolder(p, bench);
        paintLamp(p, bench);
    }
    QImage img = downscaled(big, QSize(171, 200));
    // Grain only where the apparatus is, so the band and the white stay flat.
    const QImage flat = [&] {
        QImage f(171 * S, 200 * S, QImage::Format_RGB32);
        f.fill(Qt::white);
        QPainter p(&f);
        p.fillRect(QRect(0, 46 * S, 171 * S, 107 * S), QColor(band));
        return downscaled(f, QSize(171, 200));
    }();
    QImage grain = img;
    addGrain(grain, grain.rect(), 2, 171);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 171; ++x) {
            if (img.pixel(x, y) != flat.pixel(x, y))
                img.setPixel(x, y, grain.pixel(x, y));
            if (x == 0 || y == 0 || x == 170 || y == 199)
                img.setPixel(x, y, qRgb(0, 0, 0));
        }
    return img;
}

} // namespace artgen
