#pragma once

// NOTE for the artwork engineer: the lead pinned this API because the picture
// control (controls/image_control.cpp) already uses pictureIdByName(),
// picture(), pictureInfo().key and applyKey(). Extend freely, keep these.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <optional>
#include <span>

namespace assets {

enum class PictureId {
    pic_icon,
    pic_title,
    pic_photo,
    pic_grating_eq,
    pic_phi,
    pic_phi_neg,
    pic_lambda,
    pic_lambda_formula,
    pic_lambda_formula_eq,
    pic_lens,
    pic_left_released,
    pic_left_pressed,
    pic_right_released,
    pic_right_pressed,
    pic_arc_up,
    pic_arc_down,
    pic_pointer,
    pic_spin_up,
    pic_spin_down,
    pic_spectrum,
};

struct PictureInfo {
    PictureId id;
    const char *name;           // "pic_lens"
    QSize size;
    std::optional<QRgb> key;    // exact transparent colour, or none
};

std::span<const PictureInfo> catalogue();
const PictureInfo &pictureInfo(PictureId id);
std::optional<PictureId> pictureIdByName(const QString &name);

// The exact RGB pixels (Format_RGB32), loaded once from the resources.
QImage picture(PictureId id);

// The one place a key is applied: pixels of exactly `key` become fully
// transparent, every other pixel stays as it is; no key gives an opaque copy.
QImage applyKey(const QImage &rgb, std::optional<QRgb> key);

// picture(id) with its own key applied, ready for a control to paint.
QPixmap showable(PictureId id);

} // namespace assets
