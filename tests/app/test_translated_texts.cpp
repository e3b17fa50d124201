// The texts of the command line, the teacher's and the pupil's windows and
// start-up reach the translator, each under its folder's context: a
// translator that marks what it is asked for shows where a text went by it.
#include "board_projector.h"
#include "command_line.h"
#include "keyboard_help.h"
#include "picture_catalogue.h"
#include "screenshot_mode.h"
#include "title_screen.h"
#include "ui_title_screen.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

class MarkingTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char * /*disambiguation*/,
        int /*n*/) const override
    {
        return u"[%1] %2"_s.arg(QString::fromUtf8(context), QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

class TranslatedTexts : public ::testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&translator_); }
    void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

private:
    MarkingTranslator translator_;
};

TEST_F(TranslatedTexts, EachFolderAsksTheTranslator)
{
    EXPECT_EQ(parseCommandLine({u"--bogus"_s}).error, u"[CliText] неизвестный параметр --bogus (см. --help)"_s);
    const QString help = usageText();
    EXPECT_TRUE(help.startsWith(u"[CliText] Использование:"));
    // The option table's texts are translated where --help prints them.
    EXPECT_TRUE(help.contains(u"  --help                  [CliText] показать эту справку\n")) << help.toStdString();
    EXPECT_TRUE(help.contains(u"--pupils [CliText] СПИСОК")) << help.toStdString();

    const BoardProjector projector(u"AB12"_s, u"Решётка"_s, QString());
    EXPECT_EQ(projector.windowTitle(), u"[TeacherText] Код для доски"_s);

    EXPECT_EQ(KeyboardHelpDialog::title(), u"[PupilText] Управление с клавиатуры"_s);
    // The banner is a picture of words, drawn from the translated lines.
    TitleScreen titleScreen;
    EXPECT_NE(titleScreen.ui().Image1->picture(), assets::picture(assets::PictureId::pic_title));

    QString error;
    EXPECT_FALSE(
        readScreenshotOptions(parseCommandLine({u"--screenshot"_s, u"a.png"_s, u"--screen"_s, u"nowhere"_s}), &error));
    EXPECT_EQ(error, u"[AppText] --screen: нужно title, procedure, experiment, journal или teacher, а не «nowhere»"_s);
}

// Untranslated, the banner is the committed picture, not a drawing of it.
TEST(TitleBanner, InRussianIsTheCommittedPicture)
{
    TitleScreen titleScreen;
    EXPECT_EQ(titleScreen.ui().Image1->picture(), assets::picture(assets::PictureId::pic_title));
}

} // namespace
