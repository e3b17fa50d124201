#include "title_screen.h"

#include "form_fonts.h"
#include "ui_title_screen.h"

TitleScreen::TitleScreen(QWidget *parent) : QFrame(parent), ui_(std::make_unique<Ui::TitleScreen>())
{
    ui_->setupUi(this);
    applyPixelFonts(this);
}

TitleScreen::~TitleScreen() = default;
