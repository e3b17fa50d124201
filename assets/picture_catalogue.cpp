#include "picture_catalogue.h"

#include "spectrum.h"

#include <QMutex>
#include <QMutexLocker>

#include <array>

namespace assets {

namespace {

using enum PictureId;

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

constexpr std::array<PictureInfo, kPictureCount> kCatalogue{{
    {pic_icon, "pic_icon", QSize(48, 48), std::nullopt},
    {pic_title, "pic_title", QSize(518, 76), kBlack},
    {pic_photo, "pic_photo", QSize(171, 200), std::nullopt},
    {pic_grating_eq, "pic_grating_eq", QSize(134, 25), kBlack},
    {pic_phi, "pic_phi", QSize(29, 20), kWhite},
    {pic_phi_neg, "pic_phi_neg", QSize(29, 20), std::nullopt},
    {pic_lambda, "pic_lambda", QSize(14, 19), kWhite},
    {pic_lambda_formula, "pic_lambda_formula", QSize(275, 43), std::nullopt},
    {pic_lambda_formula_eq, "pic_lambda_formula_eq", QSize(291, 43), std::nullopt},
    {pic_lens, "pic_lens", QSize(27, 323), std::nullopt},
    {pic_left_released, "pic_left_released", QSize(17, 26), std::nullopt},
    {pic_left_pressed, "pic_left_pressed", QSize(17, 26), std::nullopt},
    {pic_right_released, "pic_right_released", QSize(17, 26), std::nullopt},
    {pic_right_pressed, "pic_right_pressed", QSize(17, 26), std::nullopt},
    {pic_arc_up, "pic_arc_up", QSize(18, 48), kBlack},
    {pic_arc_down, "pic_arc_down", QSize(18, 48), kBlack},
    {pic_pointer, "pic_pointer", QSize(5, 16), qRgb(255, 0, 255)},
    {pic_spin_up, "pic_spin_up", QSize(9, 6), qRgb(128, 128, 0)},
    {pic_spin_down, "pic_spin_down", QSize(9, 6), qRgb(128, 128, 0)},
    {pic_spectrum, "pic_spectrum", QSize(385, 24), std::nullopt},
}};

constexpr bool catalogueInIdOrder()
{
    for (int i = 0; i < kPictureCount; ++i)
        if (int(kCatalogue[i].id) != i)
            return false;
    return true;
}
static_assert(catalogueInIdOrder(), "kCatalogue is indexed by PictureId");

QImage load(PictureId id)
{
    if (id == pic_spectrum)
        return bench::makeSpectrumStrip().convertToFormat(QImage::Format_RGB32);
    QImage image(resourcePath(id));
    // A missing or mis-sized resource is a packaging fault; an empty picture
    // of the right size keeps every control at its place instead of crashing.
    const QSize size = pictureInfo(id).size;
    if (image.size() != size) {
        qWarning("picture %s is missing or has the wrong size", pictureInfo(id).name);
        QImage blank(size, QImage::Format_RGB32);
        blank.fill(Qt::black);
        return blank;
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

const PictureInfo &pictureInfo(PictureId id)
{
    return kCatalogue[std::size_t(id)];
}

std::span<const PictureInfo> allPictures()
{
    return kCatalogue;
}

std::optional<PictureId> pictureByName(std::string_view name)
{
    for (const PictureInfo &info : kCatalogue)
        if (name == info.name)
            return info.id;
    return std::nullopt;
}

QString resourcePath(PictureId id)
{
    return QStringLiteral(":/pictures/") + QLatin1StringView(pictureInfo(id).name) + QStringLiteral(".png");
}

QImage picture(PictureId id)
{
    static QMutex mutex;
    static std::array<QImage, kPictureCount> cache;
    QMutexLocker lock(&mutex);
    QImage &slot = cache[std::size_t(id)];
    if (slot.isNull())
        slot = load(id);
    return slot;
}

bench::ScenePictures scenePictures()
{
    return {picture(PictureId::pic_spectrum), picture(PictureId::pic_lens)};
}

QImage applyKey(const QImage &rgb, std::optional<QRgb> key)
{
    QImage out = rgb.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = key ? (*key & RGB_MASK) : 0;
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb colour = line[x] & RGB_MASK;
            line[x] = key && colour == keyRgb ? 0u : (colour | 0xff000000u);
        }
    }
    return out;
}

QImage showable(PictureId id)
{
    return applyKey(picture(id), pictureInfo(id).key);
}

QPixmap showablePixmap(PictureId id)
{
    return QPixmap::fromImage(showable(id));
}

} // namespace assets
