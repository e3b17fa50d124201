#include "procedure_screen.h"

#include "form_fonts.h"
#include "ui_procedure_screen.h"

ProcedureScreen::ProcedureScreen(QWidget *parent) : QFrame(parent), ui_(std::make_unique<Ui::ProcedureScreen>())
{
    ui_->setupUi(this);
    applyPixelFonts(this);
}

ProcedureScreen::~ProcedureScreen() = default;
