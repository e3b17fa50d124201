#pragma once

#include "picture_catalogue.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// The drawings behind the committed pictures. Each function returns an
// opaque Format_RGB32 image of exactly the catalogue's size.
namespace artgen {

QImage drawPicture(assets::PictureId id);

QImage drawPointer();
QImage drawSpin(bool up);
QImage drawArrow(bool left, bool pressed);
QImage drawArc(bool up);
QImage drawLens();

QImage drawGratingEquation();
QImage drawPhi(bool negative);
QImage drawLambda();
QImage drawLambdaFormula(bool withEquals);
QImage drawTitle();

QImage drawIcon();
QImage drawPhoto();

QImage contactSheet(const QString &pictureDir);

// A blank picture of the catalogue's size filled with one colour.
QImage blankPicture(assets::PictureId id, QColor fill);

// Linear mix of two colours, t from 0 (a) to 1 (b), rounded per channel.
QRgb mix(QRgb a, QRgb b, double t);

} // namespace artgen
