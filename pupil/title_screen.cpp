#include "title_screen.h"

#include "form_fonts.h"
#include "picture_catalogue.h"
#include "title_picture.h"
#include "ui_title_screen.h"

TitleScreen::TitleScreen(QWidget *parent) : QFrame(parent), ui_(std::make_unique<Ui::TitleScreen>())
{
    ui_->setupUi(this);
    applyPixelFonts(this);
    // The banner is a picture of words: in another language it is drawn
    // from the translated lines.
    //: The banner's first line. The two lines make one phrase; a language
    //: with another word order may move words between them.
    const QString first = tr("Экспериментальное измерение");
    //: The banner's second line (see the first).
    const QString second = tr("длины световой волны");
    ui_->Image1->setPicture(assets::titlePicture(first, second), assets::pictureInfo(assets::PictureId::pic_title).key);
}

TitleScreen::~TitleScreen() = default;
