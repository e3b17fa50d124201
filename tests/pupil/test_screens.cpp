#include "window_fixture.h"

#include "image_control.h"
#include "label_control.h"
#include "manual_clock.h"
#include "picture_catalogue.h"
#include "procedure_screen.h"
#include "screenshot_mode.h"
#include "spectrum.h"
#include "ui_procedure_screen.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::Literals::StringLiterals;

namespace {

// Dark enough to be part of a letter, not a faint anti-aliasing shade.
bool isInk(QRgb pixel)
{
    return qGray(pixel) < 160;
}

int inkIn(const QImage &image, const QRect &rect)
{
    int count = 0;
    const QRect r = rect & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += isInk(image.pixel(x, y));
    return count;
}

// Letters of the text under the letters of a picture control's picture (its
// transparent colour is no letter).
int inkUnder(const QImage &text, const TImage *control)
{
    const QImage &picture = control->picture();
    const auto key = control->pictureKey();
    const QPoint at = control->pos();
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (key && (p & 0xffffff) == (*key & 0xffffff))
                continue;
            count += isInk(p) && text.rect().contains(at + QPoint(x, y)) && isInk(text.pixel(at + QPoint(x, y)));
        }
    }
    return count;
}

// The parent as it looks with only the given children shown.
QImage renderOnly(QWidget *parent, const QList<QWidget *> &shown)
{
    QList<QWidget *> hidden;
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden() && !shown.contains(child)) {
            child->hide();
            hidden.append(child);
        }
    }
    QImage image = parent->grab().toImage();
    for (QWidget *child : hidden)
        child->show();
    return image;
}

QImage picture(const TImage *control)
{
    return control->picture();
}

} // namespace

class ScreensTest : public WindowTest {};

TEST_F(ScreensTest, BenchCanvasIsShownUnscaledAndExact)
{
    showWindow();
    press(ui().Button2);
    EXPECT_EQ(exp().Img_osn->geometry(), QRect(16, 15, 945, 445));
    auto shown = [&] { return exp().Img_osn->grab().toImage().convertToFormat(QImage::Format_RGB32); };
    EXPECT_EQ(shown(), canvas());
    form().session().selectOrder(-3);
    form().session().SpinButton1UpClick();
    EXPECT_EQ(shown(), canvas());
    // In the whole window the canvas sits at (24, 23): P3, GroupBox3 and
    // Img_osn. With the central maximum selected nothing lies over it.
    form().session().selectOrder(0);
    ASSERT_TRUE(exp().Img_ugu->isHidden() && exp().Img_ugd->isHidden());
    const QImage window = form().grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(window.copy(24, 23, 945, 445), canvas());
}

TEST_F(ScreensTest, ArcPhiAndTargetsLieOverTheBench)
{
    showWindow();
    press(ui().Button2);
    const QImage box = exp().GroupBox3->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The opaque phi picture covers the canvas where it stands.
    const QImage phi = picture(exp().Img_f);
    ASSERT_EQ(phi.size(), QSize(29, 20));
    EXPECT_EQ(box.copy(QRect(exp().Img_f->pos(), phi.size())), phi.convertToFormat(QImage::Format_RGB32));

    // The arc shows its own pixels over the black canvas, except its key.
    const QImage arc = picture(exp().Img_ugu);
    const QPoint at = exp().Img_ugu->pos();
    int drawn = 0;
    for (int y = 0; y < arc.height(); ++y) {
        for (int x = 0; x < arc.width(); ++x) {
            if ((arc.pixel(x, y) & 0xffffff) == 0)
                continue;
            ++drawn;
            EXPECT_EQ(box.pixel(at + QPoint(x, y)), arc.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_GT(drawn, 40);

    // The click targets are above the canvas (they take its clicks) but show
    // nothing of their own.
    const auto children = exp().GroupBox3->children();
    const qsizetype canvasAt = children.indexOf(exp().Img_osn);
    for (const char *name : {"Img0", "Img1u", "Img8u", "Img1d", "Img8d", "Img_ugu", "Img_ugd", "Img_f"}) {
        auto *target = exp().GroupBox3->findChild<TImage *>(QString::fromLatin1(name));
        ASSERT_NE(target, nullptr) << name;
        EXPECT_GT(children.indexOf(target), canvasAt) << name;
    }
    const QRect target = exp().Img1u->geometry();
    EXPECT_EQ(box.copy(target), canvas().copy(target.translated(-16, -15)));
}

TEST_F(ScreensTest, TargetsAreInvisibleHandCursorAreas)
{
    const auto targets = exp().GroupBox3->findChildren<TImage *>(
        QRegularExpression(QStringLiteral("^Img(0|[1-8][ud])$")));
    ASSERT_EQ(targets.size(), 17);
    for (const TImage *target : targets) {
        EXPECT_FALSE(target->hasPicture()) << target->objectName().toStdString();
        EXPECT_FALSE(target->isHidden()) << target->objectName().toStdString();
        EXPECT_EQ(target->cursor().shape(), Qt::PointingHandCursor) << target->objectName().toStdString();
        EXPECT_EQ(target->height(), 10);
    }
}

TEST(FormLayout, DeclaredVisibilityBeforeAnyRender)
{
    QWidget host;
    Ui::ExperimentScreen ui;
    ui.setupUi(&host);
    for (QWidget *w : std::initializer_list<QWidget *>{ui.Img_lin, ui.Img_mx, ui.Img_ldn, ui.Img_rdn, ui.Img_dldn,
             ui.Img_dlup, ui.Img_ugu})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{ui.Img_osn, ui.Img_ugd, ui.Img_f, ui.Img0, ui.Img_vizir,
             ui.Img_dl_dn, ui.Img_dl_up})
        EXPECT_FALSE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_EQ(ui.Img_vizir->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ui.Img_ugu->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(ui.Lbl_otv->text(), u"Верно !");
    EXPECT_EQ(ui.SpinButton1->focusPolicy(), Qt::NoFocus);
}

// The formulas stand in the blank runs of the theory text: with the
// pictures taken away, no letter lies where a picture draws.
TEST_F(ScreensTest, ProcedurePicturesStandInTheGapsOfTheText)
{
    Ui::ProcedureScreen &p = form().procedure().ui();
    const QImage text = renderOnly(p.GroupBox1, {p.Label3, p.Label9, p.Label10});
    for (const TImage *image : {p.Image7, p.Image8, p.Image9}) {
        EXPECT_EQ(inkUnder(text, image), 0) << image->objectName().toStdString();
        // Each picture sits on a line of text, which goes on right of it.
        EXPECT_GT(inkIn(text, QRect(image->x() + image->width(), image->y() + 4, 300, 12)), 0)
            << image->objectName().toStdString();
    }
    // The wavelength formula is opaque: nothing of the text may hide under it.
    EXPECT_EQ(inkIn(text, p.Image10->geometry()), 0);
    EXPECT_GT(inkIn(text, QRect(300, p.Image10->y(), 366, p.Image10->height())), 0);
}

TEST_F(ScreensTest, TheoryTextKeepsItsBlankRunsAndWrapsInsideItsBox)
{
    Ui::ProcedureScreen &p = form().procedure().ui();
    const QStringList lines = p.Label9->text().split(u'\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_TRUE(lines[2].endsWith(QString(30, u' ') + u","_s));
    EXPECT_TRUE(lines[3].contains(u"решетки,"_s + QString(8, u' ') + u"- угол"_s));
    EXPECT_TRUE(lines[4].startsWith(u"максимума,"_s + QString(6, u' ') + u"- длина"_s));
    EXPECT_EQ(lines[6], u" ");
    for (const QLabel *label : {p.Label9, p.Label10}) {
        EXPECT_TRUE(label->wordWrap());
        EXPECT_EQ(QFontInfo(label->font()).pixelSize(), 19);
    }
    EXPECT_EQ(p.Label9->geometry(), QRect(8, 40, 961, 145));
    EXPECT_EQ(p.Label10->geometry(), QRect(8, 216, 961, 241));
    // Long step texts wrap: the last line of the list is still drawn inside.
    const QImage text = renderOnly(p.GroupBox1, {p.Label10});
    EXPECT_GT(inkIn(text, QRect(8, 216 + 9 * 22, 300, 22)), 0);
    EXPECT_EQ(inkIn(text, QRect(8, 216 + 241, 961, 100)), 0);
}

// The labels of the experiment screen leave room for the fields, the spinner
// and the pictures over them, and never write over one another.
TEST_F(ScreensTest, ExperimentLabelsLeaveRoomForTheControlsOverThem)
{
    showWindow();
    press(ui().Button2);
    QWidget *box = exp().GroupBox4;
    const QList<QWidget *> labels{exp().Label4, exp().Label6, exp().Label7, exp().Label8, exp().Label5};
    const QImage text = renderOnly(box, labels);
    for (QWidget *control : std::initializer_list<QWidget *>{exp().Ed_d, exp().SpinButton1, exp().Ed_mkm, exp().Ed_ym,
             exp().Ed_k, exp().Edit5, exp().Image6, exp().Img_dl_dn, exp().Shp_spektr, exp().Button6})
        EXPECT_EQ(inkIn(text, control->geometry()), 0) << control->objectName().toStdString();
    EXPECT_EQ(inkUnder(text, exp().Image4), 0);

    for (qsizetype i = 0; i < labels.size(); ++i) {
        const QImage a = renderOnly(box, {labels[i]});
        for (qsizetype j = i + 1; j < labels.size(); ++j) {
            const QImage b = renderOnly(box, {labels[j]});
            int both = 0;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    both += isInk(a.pixel(x, y)) && isInk(b.pixel(x, y));
            EXPECT_EQ(both, 0) << labels[i]->objectName().toStdString() << " and "
                               << labels[j]->objectName().toStdString();
        }
    }
}

TEST_F(ScreensTest, VerdictLabelWidensForTheLongerVerdict)
{
    auto *verdict = exp().Lbl_otv;
    verdict->setText(QStringLiteral("Верно !"));
    const int right = verdict->width();
    verdict->setText(QStringLiteral("Неверно !"));
    EXPECT_GT(verdict->width(), right);
    EXPECT_GE(verdict->width(), QFontMetrics(verdict->font()).horizontalAdvance(verdict->text()));
    EXPECT_EQ(verdict->pos(), QPoint(762, 64));
}

TEST_F(ScreensTest, TypingIntoTheFieldsStartsNothing)
{
    BoxCatcher boxes;
    showWindow();
    press(ui().Button2);
    const QImage before = canvas();
    const auto state = bench().state();
    for (QLineEdit *edit : {exp().Ed_mkm, exp().Ed_d, exp().Ed_ym, exp().Ed_k}) {
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("7x,"));
        EXPECT_TRUE(edit->text().endsWith(u"7x,")) << edit->objectName().toStdString();
    }
    QApplication::processEvents();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(canvas(), before);
    EXPECT_EQ(bench().state().d_gr, state.d_gr);
    EXPECT_EQ(bench().state().dl_ofs, state.dl_ofs);
    EXPECT_EQ(exp().Img_vizir->x(), 316);
}

TEST_F(ScreensTest, ScreenshotIsTheWholeClientAreaOfTheChosenScreen)
{
    showWindow();
    form().session().selectOrder(0);
    const QImage experiment = screenshot(form(), ScreenshotOptions::Experiment);
    EXPECT_EQ(experiment.size(), QSize(992, 665));
    EXPECT_EQ(experiment.copy(24, 23, 945, 445), canvas());
    const QImage title = screenshot(form(), ScreenshotOptions::Title);
    EXPECT_TRUE(ui().P1->isVisible());
    EXPECT_EQ(title.size(), QSize(992, 665));
    EXPECT_NE(title.copy(0, 0, 992, 617), experiment.copy(0, 0, 992, 617));
    // The bottom row is the same on every screen.
    EXPECT_EQ(title.copy(0, 620, 992, 45), experiment.copy(0, 620, 992, 45));
}

struct ScreenshotArgs {
    const char *name;
    QStringList arguments;
    bool valid;
    ScreenshotOptions::Screen screen;
};

class ScreenshotArgumentsTest : public ::testing::TestWithParam<ScreenshotArgs> {};

TEST_P(ScreenshotArgumentsTest, AreReadOrRefused)
{
    const CommandLine line = parseCommandLine(GetParam().arguments);
    QString error = line.error;
    const auto options = error.isEmpty() ? readScreenshotOptions(line, &error) : std::nullopt;
    ASSERT_EQ(options.has_value(), GetParam().valid) << error.toStdString();
    if (options) {
        EXPECT_EQ(options->imagePath, u"out.png");
        EXPECT_EQ(options->screen, GetParam().screen);
    } else {
        EXPECT_FALSE(error.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, ScreenshotArgumentsTest,
    ::testing::Values(
        ScreenshotArgs{"ImageAloneShowsTheTitle", {u"--screenshot"_s, u"out.png"_s}, true, ScreenshotOptions::Title},
        ScreenshotArgs{"JoinedValuesChooseTheProcedure", {u"--screenshot=out.png"_s, u"--screen=procedure"_s}, true,
            ScreenshotOptions::Procedure},
        ScreenshotArgs{"ScreenBeforeImageChoosesTheExperiment",
            {u"--screen"_s, u"experiment"_s, u"--screenshot"_s, u"out.png"_s}, true, ScreenshotOptions::Experiment},
        ScreenshotArgs{"JournalScreen", {u"--screenshot"_s, u"out.png"_s, u"--screen=journal"_s}, true,
            ScreenshotOptions::Journal},
        ScreenshotArgs{"MissingImagePath", {u"--screenshot"_s}, false, ScreenshotOptions::Title},
        ScreenshotArgs{"UnknownScreen", {u"--screenshot"_s, u"out.png"_s, u"--screen"_s, u"bench"_s}, false,
            ScreenshotOptions::Title},
        ScreenshotArgs{"ScreenWithoutImage", {u"--screen"_s, u"title"_s}, false, ScreenshotOptions::Title},
        ScreenshotArgs{"StrayArgument", {u"--screenshot"_s, u"out.png"_s, u"extra"_s}, false,
            ScreenshotOptions::Title}),
    [](const auto &info) { return std::string(info.param.name); });

struct BenchSteps {
    const char *name;
    int wavelength;
    int gratingSteps;
    int order;
};

class WindowShowsTheSession : public ::testing::TestWithParam<BenchSteps> {};

// The pupil's mouse on the window, and the same actions called on a session of
// its own: the window shows exactly what that session produced.
TEST_P(WindowShowsTheSession, AfterTheSameActionsByMouse)
{
    const BenchSteps s = GetParam();
    const bench::NumberFormat comma;
    ManualClock clock;
    bench::BenchSession oracle(assets::scenePictures(), comma, clock);
    oracle.dragSliderTo(s.wavelength);
    for (int i = 0; i < s.gratingSteps; ++i)
        oracle.SpinButton1UpClick();
    oracle.selectOrder(s.order);

    TForm1 form(comma, &clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.Button2Click();
    Ui::ExperimentScreen &f = form.experiment().ui();
    QWindow *window = form.windowHandle();
    auto at = [&](const QWidget *w, QPoint p) { return w->mapTo(&form, p); };
    const QPoint grip(2, 8);
    QTest::mousePress(window, Qt::LeftButton, {}, at(f.Img_vizir, grip));
    QTest::mouseMove(window, at(f.Img_vizir, grip + QPoint(s.wavelength - 380, 0)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at(f.Img_vizir, grip));
    for (int i = 0; i < s.gratingSteps; ++i)
        QTest::mouseClick(window, Qt::LeftButton, {}, at(f.SpinButton1, {10, 5}));
    const TImage *target = form.experiment().target(bench::targetOfOrder(s.order));
    QTest::mouseClick(window, Qt::LeftButton, {}, at(target, target->rect().center()));

    ASSERT_EQ(form.session().state().dl_ofs, s.wavelength - 380);
    EXPECT_EQ(f.Img_osn->grab().toImage().convertToFormat(QImage::Format_RGB32),
        oracle.scene().benchCanvas().image().convertToFormat(QImage::Format_RGB32));
    for (int i = 0; i < bench::kTextFieldCount; ++i)
        EXPECT_EQ(form.experiment().field(bench::TextField(i))->text(), oracle.text(bench::TextField(i))) << i;
    EXPECT_EQ(form.session().state().mx_len, oracle.state().mx_len);
    EXPECT_EQ(form.session().state().k_sel, oracle.state().k_sel);
    EXPECT_EQ(f.Img_vizir->pos(), oracle.sliderTopLeft());
    EXPECT_EQ(f.Img_spektr->pos(), bench::kStripTopLeft);
    for (int i = 0; i < bench::kTargetCount; ++i)
        EXPECT_EQ(form.experiment().target(i)->geometry(), oracle.targetRect(i)) << i;
    EXPECT_EQ(!f.Img_ugu->isHidden(), oracle.arcUpVisible());
    EXPECT_EQ(!f.Img_ugd->isHidden(), oracle.arcDownVisible());
    EXPECT_EQ(f.Img_f->y(), oracle.phiTop());
    EXPECT_EQ(form.session().lightColour(), oracle.lightColour());
}

INSTANTIATE_TEST_SUITE_P(Steps, WindowShowsTheSession,
    ::testing::Values(BenchSteps{"Start", 380, 0, 1}, BenchSteps{"Yellow", 580, 0, 2},
        BenchSteps{"BelowAxis", 500, 10, -3}, BenchSteps{"Central", 650, 5, 0}, BenchSteps{"FallBack", 380, 20, 8},
        BenchSteps{"Red", 760, 20, -3}),
    [](const auto &info) { return std::string(info.param.name); });
