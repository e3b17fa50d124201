#include "artwork.h"

#include <cmath>

namespace artgen {

using enum assets::PictureId;

QImage blankPicture(assets::PictureId id, QColor fill)
{
    QImage img(assets::pictureInfo(id).size, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

QRgb mix(QRgb a, QRgb b, double t)
{
    const auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return qRgb(lerp(qRed(a), qRed(b)), lerp(qGreen(a), qGreen(b)), lerp(qBlue(a), qBlue(b)));
}

QImage drawPicture(assets::PictureId id)
{
    switch (id) {
    case pic_icon:
        return drawIcon();
    case pic_title:
        return drawTitle();
    case pic_photo:
        return drawPhoto();
    case pic_grating_eq:
        return drawGratingEquation();
    case pic_phi:
        return drawPhi(false);
    case pic_phi_neg:
        return drawPhi(true);
    case pic_lambda:
        return drawLambda();
    case pic_lambda_formula:
        return drawLambdaFormula(false);
    case pic_lambda_formula_eq:
        return drawLambdaFormula(true);
    case pic_lens:
        return drawLens();
    case pic_left_released:
        return drawArrow(true, false);
    case pic_left_pressed:
        return drawArrow(true, true);
    case pic_right_released:
        return drawArrow(false, false);
    case pic_right_pressed:
        return drawArrow(false, true);
    case pic_arc_up:
        return drawArc(true);
    case pic_arc_down:
        return drawArc(false);
    case pic_pointer:
        return drawPointer();
    case pic_spin_up:
        return drawSpin(true);
    case pic_spin_down:
        return drawSpin(false);
    case pic_spectrum:
        break; // built by the program itself at start-up
    }
    return {};
}

} // namespace artgen
