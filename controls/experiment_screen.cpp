#include "experiment_screen.h"

#include "form_fonts.h"
#include "picture_catalogue.h"
#include "ui_experiment_screen.h"

ExperimentScreen::ExperimentScreen(const bench::NumberFormat &format, QWidget *parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::ExperimentScreen>()),
      format_(format),
      // The strip the slider stands on is the very picture the colours are read from.
      scene_(assets::picture(assets::PictureId::pic_spectrum), assets::picture(assets::PictureId::pic_lens), format)
{
    ui_->setupUi(this);
    applyPixelFonts(this);

    ui_->Img_osn->setCanvas(&scene_.benchCanvas().image());
    ui_->Img_mx->setCanvas(&scene_.curveCanvas().image());

    // The form is written for a comma; the field shows the user's separator.
    ui_->Ed_d->setText(QStringLiteral("1") + format_.decimalSeparator + QStringLiteral("0"));

    connectHandlers();
}

ExperimentScreen::~ExperimentScreen() = default;

void ExperimentScreen::paint_st()
{
    // A failed pass still shows what it drew before the error.
    struct ShowCanvas {
        TImage *view;
        ~ShowCanvas() { view->update(); }
    } show{ui_->Img_osn};
    scene_.paint_st(state_, *this);
}
