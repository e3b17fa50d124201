#pragma once

#include "scene.h"

#include <QImage>
#include <QPixmap>
#include <QRgb>
#include <QSize>
#include <QString>

#include <optional>
#include <span>
#include <string_view>

namespace assets {

// Every fixed picture the screens show. The names are the pictures' own; the
// resource of each is ":/pictures/<name>.png".
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
constexpr int kPictureCount = int(PictureId::pic_spectrum) + 1;

// A picture is plain RGB with at most one transparent colour: an exact colour
// key, never an alpha channel.
struct PictureInfo {
    PictureId id;
    const char *name;
    QSize size;
    std::optional<QRgb> key; // opaque RGB (alpha 0xff), or none
};

const PictureInfo &pictureInfo(PictureId id);
std::span<const PictureInfo> allPictures();
std::optional<PictureId> pictureByName(std::string_view name);
QString resourcePath(PictureId id);

// The exact pixels, Format_RGB32, loaded once and shared (QImage copies are
// implicit and cheap). pic_spectrum is built at start-up rather than stored.
QImage picture(PictureId id);

// The strip and the lens the bench is drawn from.
bench::ScenePictures scenePictures();

// The one place the colour key is applied: pixels of exactly the key colour
// become fully transparent, every other pixel stays opaque and unchanged
// (anti-aliasing shades next to the key included). Without a key the result
// is opaque everywhere, whatever the showing control asks for.
QImage applyKey(const QImage &rgb, std::optional<QRgb> key);

// What a picture control paints unscaled at its top-left corner.
QImage showable(PictureId id);
QPixmap showablePixmap(PictureId id); // needs a QGuiApplication

} // namespace assets
