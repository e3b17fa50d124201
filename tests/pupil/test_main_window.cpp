#include "window_fixture.h"

#include "calculator.h"
#include "image_control.h"
#include "picture_catalogue.h"
#include "procedure_screen.h"
#include "title_screen.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget *visiblePanel(Ui::TForm1 &ui)
{
    QWidget *shown = nullptr;
    for (QWidget *panel :
        {static_cast<QWidget *>(ui.P1), static_cast<QWidget *>(ui.P2), static_cast<QWidget *>(ui.P3)}) {
        if (panel->isVisible()) {
            EXPECT_EQ(shown, nullptr) << "two screens at once";
            shown = panel;
        }
    }
    return shown;
}

} // namespace

// Before the window is ever shown the bench is already drawn and the
// experiment screen holds its initial read-outs.
TEST_F(WindowTest, StartUpRendersTheBenchBeforeTheWindowIsShown)
{
    EXPECT_FALSE(form().isVisible());
    EXPECT_FALSE(ui().P1->isHidden());
    EXPECT_TRUE(ui().P2->isHidden());
    EXPECT_TRUE(ui().P3->isHidden());

    EXPECT_EQ(exp().Ed_mkm->text(), u"380");
    EXPECT_EQ(exp().Ed_d->text(), u"1,0");
    EXPECT_EQ(exp().Ed_ym->text(), u"1,90");
    EXPECT_EQ(exp().Ed_k->text(), u"1");
    EXPECT_EQ(exp().Edit5->text(), u"");
    EXPECT_EQ(exp().Lbl_otv->text(), u"");
    EXPECT_EQ(exp().Button6->text(), u"Проверить");
    EXPECT_EQ(exp().Img_vizir->pos(), QPoint(316, 25));

    // Lengths of the maxima for 380 nm and d = 1.0: 52 for order 1, then 8.
    const std::array<std::int32_t, 9> lengths{80, 52, 8, 8, 8, 8, 8, 8, 8};
    EXPECT_EQ(bench().state().mx_len, lengths);
    // Targets: order 1 at r = 76 from the axis (row 223), 10 high, centred.
    EXPECT_EQ(exp().Img0->geometry(), QRect(784, 233, 80, 10));
    EXPECT_EQ(exp().Img1u->geometry(), QRect(812, 157, 52, 10));
    EXPECT_EQ(exp().Img1d->geometry(), QRect(812, 309, 52, 10));
    EXPECT_FALSE(exp().Img_ugu->isHidden());
    EXPECT_TRUE(exp().Img_ugd->isHidden());
    EXPECT_EQ(exp().Img_f->y(), 185);

    // The canvas: black ground, the white axis, the order-1 line in the
    // colour of the central maximum.
    const QImage bench = canvas();
    EXPECT_EQ(bench.pixel(500, 100), qRgb(0, 0, 0));
    EXPECT_EQ(bench.pixel(500, 223), qRgb(255, 255, 255));
    const QRgb light = bench.pixel(820, 223);
    EXPECT_NE(light, qRgb(0, 0, 0));
    EXPECT_NE(light, qRgb(255, 255, 255));
    EXPECT_EQ(bench.pixel(820, 147), light);
    EXPECT_EQ(bench.pixel(820, 299), light);
}

TEST_F(WindowTest, WindowIsFixedCentredWhiteAndCaptioned)
{
    showWindow();
    EXPECT_EQ(form().objectName(), u"Form1");
    EXPECT_EQ(form().size(), QSize(992, 665));
    EXPECT_EQ(form().minimumSize(), QSize(992, 665));
    EXPECT_EQ(form().maximumSize(), QSize(992, 665));

    const Qt::WindowFlags flags = form().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    const QString title = form().windowTitle();
    EXPECT_TRUE(title.startsWith(u"  Измерение длины световой волны ("));
    EXPECT_TRUE(title.endsWith(u')'));
    EXPECT_GT(title.size(), 36);

    const QRect screen = form().screen()->availableGeometry();
    // Centred, give or take the frame the window system draws around it.
    EXPECT_LE(std::abs(form().geometry().center().x() - screen.center().x()), 3);
    EXPECT_LE(std::abs(form().geometry().center().y() - screen.center().y()), 3);

    EXPECT_EQ(form().palette().color(QPalette::Window), QColor(Qt::white));
    const QImage icon = form().windowIcon().pixmap(48, 48).toImage();
    EXPECT_EQ(icon.size(), QSize(48, 48));
    // The frame one pixel inside the edge of the program icon.
    EXPECT_EQ(icon.pixel(1, 10) & 0xffffff, 0xf0ffd4u);

    // Between the bottom row's buttons the window shows its own white.
    const QImage shot = form().grab().toImage();
    EXPECT_EQ(shot.pixel(135, 640), qRgb(255, 255, 255));
    EXPECT_EQ(shot.pixel(750, 650), qRgb(255, 255, 255));
}

TEST_F(WindowTest, PanelsShareOneAreaAndOnlyTheExperimentPanelHasABevel)
{
    for (QFrame *panel : {static_cast<QFrame *>(ui().P1), static_cast<QFrame *>(ui().P2), ui().P3})
        EXPECT_EQ(panel->geometry(), QRect(0, 0, 992, 617)) << panel->objectName().toStdString();
    EXPECT_EQ(ui().P1->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(ui().P2->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(ui().P3->frameShape(), QFrame::Panel);
    EXPECT_EQ(ui().P3->frameShadow(), QFrame::Raised);
    EXPECT_EQ(ui().P3->lineWidth(), 1);

    // Inside the bevel, the panels and group boxes let the white through.
    showWindow();
    press(ui().Button2);
    const QImage shot = form().grab().toImage();
    EXPECT_EQ(shot.pixel(4, 300), qRgb(255, 255, 255));   // between bevel and GroupBox3
    EXPECT_EQ(shot.pixel(12, 300), qRgb(255, 255, 255));  // inside GroupBox3, left of the canvas
    EXPECT_EQ(shot.pixel(600, 590), qRgb(255, 255, 255)); // inside GroupBox4
    EXPECT_NE(shot.pixel(0, 300), shot.pixel(991, 300));  // light left edge, dark right edge
    press(ui().Button1);
    EXPECT_EQ(form().grab().toImage().pixel(12, 590), qRgb(255, 255, 255)); // inside GroupBox1
}

struct BottomButton {
    const char *name;
    int left;
    const char16_t *caption;
};

class BottomRowTest : public WindowTest, public ::testing::WithParamInterface<BottomButton> {};

TEST_P(BottomRowTest, ButtonStandsInTheRowWithItsCaptionAndFont)
{
    const BottomButton b = GetParam();
    auto *button = form().findChild<QPushButton *>(QString::fromLatin1(b.name));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->geometry(), QRect(b.left, 632, 120, 25));
    EXPECT_EQ(button->text(), QString::fromUtf16(b.caption));
    const QFontInfo font(button->font());
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_EQ(font.family(), u"Liberation Sans");
}

INSTANTIATE_TEST_SUITE_P(Row, BottomRowTest,
    ::testing::Values(BottomButton{"Button4", 5, u"Заставка"}, BottomButton{"Button1", 141, u"Ход работы"},
        BottomButton{"Button2", 277, u"Эксперимент"}, BottomButton{"Button3", 413, u"Калькулятор"},
        BottomButton{"Button7", 549, u"Журнал"}, BottomButton{"Button5", 840, u"Закрыть"}),
    [](const auto &info) { return std::string(info.param.name); });

struct Switching {
    const char *name;
    std::vector<int> presses; // 4 title, 1 procedure, 2 experiment
    int shown;                // 1, 2, 3
};

class SwitchingTest : public WindowTest, public ::testing::WithParamInterface<Switching> {};

TEST_P(SwitchingTest, OnlyThePressedScreenIsShown)
{
    showWindow();
    const std::map<int, QPushButton *> buttons{{4, ui().Button4}, {1, ui().Button1}, {2, ui().Button2}};
    for (int b : GetParam().presses)
        press(buttons.at(b));
    const std::map<int, QWidget *> panels{{1, ui().P1}, {2, ui().P2}, {3, ui().P3}};
    EXPECT_EQ(visiblePanel(ui()), panels.at(GetParam().shown));
    EXPECT_TRUE(form().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Screens, SwitchingTest,
    ::testing::Values(Switching{"Nothing", {}, 1}, Switching{"Procedure", {1}, 2}, Switching{"Experiment", {2}, 3},
        Switching{"ExperimentAgain", {2, 2}, 3}, Switching{"TitleAgain", {4, 4}, 1},
        Switching{"BackToTitle", {1, 2, 4}, 1}, Switching{"BackToProcedure", {2, 4, 1}, 2},
        Switching{"ProcedureAgain", {1, 1}, 2}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(WindowTest, LeavingTheExperimentAndComingBackKeepsEverything)
{
    BoxCatcher boxes;
    showWindow();
    press(ui().Button2);
    form().session().SpinButton1UpClick();
    form().session().selectOrder(-2);
    QTest::keyClicks(exp().Edit5, QStringLiteral("380"));
    press(exp().Button6);
    // A text that would fail any render: switching must not render.
    exp().Ed_mkm->setText(QStringLiteral("38o"));

    const QImage before = canvas();
    const auto state = bench().state();
    const QStringList texts{exp().Ed_mkm->text(), exp().Ed_d->text(), exp().Ed_ym->text(), exp().Ed_k->text(),
        exp().Edit5->text(), exp().Lbl_otv->text(), exp().Button6->text()};
    ASSERT_EQ(texts[4], u"380");
    ASSERT_FALSE(texts[5].isEmpty());
    ASSERT_EQ(texts[6], u"Сброс");

    for (QPushButton *b : {ui().Button4, ui().Button1, ui().Button2, ui().Button1, ui().Button2})
        press(b);

    EXPECT_EQ(visiblePanel(ui()), ui().P3);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(canvas(), before);
    EXPECT_EQ(bench().state().d_gr, state.d_gr);
    EXPECT_EQ(bench().state().k_sel, -2);
    EXPECT_EQ(bench().state().mx_len, state.mx_len);
    const QStringList after{exp().Ed_mkm->text(), exp().Ed_d->text(), exp().Ed_ym->text(), exp().Ed_k->text(),
        exp().Edit5->text(), exp().Lbl_otv->text(), exp().Button6->text()};
    EXPECT_EQ(after, texts);
    EXPECT_EQ(exp().Img_ugd->isHidden(), false);
    // What the window shows is the canvas as it was left.
    EXPECT_EQ(exp().Img_osn->grab().toImage().convertToFormat(QImage::Format_RGB32), before);
}

TEST_F(WindowTest, KeyboardFocusStartsOnTheProcedureButton)
{
    showWindow();
    EXPECT_EQ(QApplication::focusWidget(), ui().Button1);
}

class TabOrderTest : public WindowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TabOrderTest, TabWalksTheBottomRowThenTheExperimentFields)
{
    const bool experiment = GetParam();
    showWindow();
    if (experiment)
        ui().Button2->click();
    ui().Button1->setFocus(Qt::TabFocusReason);
    QStringList walked;
    for (int i = 0; i < 17; ++i) {
        walked.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected{u"Button1"_s, u"Button2"_s, u"Button3"_s, u"Button7"_s, u"Button4"_s, u"Button5"_s};
    // The title screen's one control follows the row.
    if (!experiment)
        expected << u"Btn_openTask"_s;
    // After the check button: the bench picture, the spectrum strip, the
    // measuring cursor and the source control.
    if (experiment)
        expected << u"Ed_d"_s << u"Ed_ym"_s << u"Ed_k"_s << u"Edit5"_s << u"Ed_mkm"_s << u"Button6"_s << u"Img_osn"_s
                 << u"Img_vizir"_s << u"Img_cursor"_s << u"Cmb_source"_s;
    while (expected.size() < 17)
        expected.append(expected.mid(0, 17 - expected.size()));
    EXPECT_EQ(walked, expected);
}

INSTANTIATE_TEST_SUITE_P(Screens, TabOrderTest, ::testing::Values(false, true),
    [](const auto &info) { return info.param ? "Experiment" : "Title"; });

TEST_F(WindowTest, CloseButtonClosesTheWindow)
{
    showWindow();
    press(ui().Button5);
    EXPECT_FALSE(form().isVisible());
}

// A stand-in calculator on PATH that notes each start and then stays running
// like a real one, so a launch that waited for it would never return.
class CalculatorTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        savedPath_ = qgetenv("PATH");
        record_ = dir_.filePath(QStringLiteral("started.txt"));
        qputenv("CALC_RECORD", QFile::encodeName(record_));
        qputenv("PATH", QFile::encodeName(dir_.path()));
    }

    void TearDown() override
    {
        for (const QString &line : lines()) {
            const qint64 pid = line.section(u' ', 1, 1).toLongLong();
            if (pid > 0)
                ::kill(pid_t(pid), SIGTERM);
        }
        qputenv("PATH", savedPath_);
        WindowTest::TearDown();
    }

    void installStandIn(const QString &name)
    {
        QFile script(dir_.filePath(name));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"${0##*/} $$\" >> \"$CALC_RECORD\"\nexec /bin/sleep 60\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QStringList lines() const
    {
        QFile file(record_);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir_;
    QByteArray savedPath_;
    QString record_;
};

TEST_F(CalculatorTest, EachPressStartsTheFirstCalculatorFoundWithoutWaiting)
{
    installStandIn(QStringLiteral("xcalc"));
    installStandIn(QStringLiteral("mate-calc"));
    installStandIn(QStringLiteral("galculator"));
    showWindow();
    press(ui().Button3);
    press(ui().Button3);
    // The stand-ins are separate processes: wait for them, however slow the machine.
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines().size() >= 2; }, 60000));
    const QStringList started = lines();
    ASSERT_EQ(started.size(), 2);
    EXPECT_TRUE(started[0].startsWith(u"mate-calc "));
    EXPECT_TRUE(started[1].startsWith(u"mate-calc "));
    EXPECT_NE(started[0], started[1]); // two processes
    EXPECT_EQ(visiblePanel(ui()), ui().P1);
}

TEST_F(CalculatorTest, WithoutAnyCalculatorAPressSaysSoInOneLine)
{
    BoxCatcher boxes;
    showWindow();
    EXPECT_TRUE(calculator::find().isEmpty());
    press(ui().Button3);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, u"Измерение длины световой волны"_s);
    EXPECT_EQ(boxes.shown()[0].text,
        u"Калькулятор не установлен: на этом компьютере нет ни одной из программ "
        u"gnome-calculator, kcalc, mate-calc, galculator, qalculate-gtk, xcalc."_s);
    EXPECT_EQ(boxes.shown()[0].icon, QMessageBox::Information);
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(visiblePanel(ui()), ui().P1);
}

// The wavelength field holds a typed non-number; the spinner's step changes
// the grating, then its render fails. The box reports it, and the program
// carries on with what the handler had changed.
TEST_F(WindowTest, ErrorFromAHandlerIsShownInTheErrorBoxAndTheProgramCarriesOn)
{
    BoxCatcher boxes;
    showWindow();
    press(ui().Button2);
    exp().Ed_mkm->selectAll();
    QTest::keyClicks(exp().Ed_mkm, QStringLiteral("abc"));
    EXPECT_TRUE(boxes.shown().empty()) << "typing alone starts nothing";

    QTest::mouseClick(exp().SpinButton1, Qt::LeftButton, {}, QPoint(10, 5));
    QApplication::processEvents();

    ASSERT_EQ(boxes.shown().size(), 1u);
    const BoxCatcher::Shown &box = boxes.shown().front();
    EXPECT_EQ(box.title, u"Измерение длины световой волны");
    EXPECT_EQ(box.text, u"'abc' is not a valid integer value.");
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(box.buttons, QStringList{u"OK"_s});
    EXPECT_EQ(box.modality, Qt::ApplicationModal);

    EXPECT_DOUBLE_EQ(bench().state().d_gr, 1.1);
    EXPECT_EQ(exp().Ed_d->text(), u"1,1");
    EXPECT_EQ(exp().Ed_ym->text(), u"1,90"); // the failed pass wrote no distance
    EXPECT_TRUE(form().isVisible());

    // It carries on: with a number typed in, the next step renders again.
    exp().Ed_mkm->setText(QStringLiteral("380"));
    QTest::mouseClick(exp().SpinButton1, Qt::LeftButton, {}, QPoint(10, 5));
    QApplication::processEvents();
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(exp().Ed_d->text(), u"1,2");
    EXPECT_EQ(exp().Ed_ym->text(), u"1,58"); // 380 * 0.005 / 1.2 = 1.583
}

// The box waits for the event loop: the action that failed has returned and
// stopped everything before the pupil sees it.
TEST_F(WindowTest, ErrorBoxOpensAfterTheFailedActionHasReturned)
{
    BoxCatcher boxes;
    showWindow();
    form().session().typeText(bench::TextField::Wavelength, QStringLiteral("5x"));
    const bench::ActionResult result = form().session().selectOrder(2);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, u"'5x' is not a valid integer value.");
    EXPECT_TRUE(boxes.shown().empty());
    QApplication::processEvents();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown().front().text, *result);
    EXPECT_EQ(form().session().state().k_sel, 2);
}

// The window's own timers drive the auto-repeat (the tests of its timing run
// on a hand-driven clock). Only that they fire is checked, not when.
TEST_F(WindowTest, QtTimersDriveTheArrowRepeat)
{
    showWindow();
    press(ui().Button2);
    TImage *arrow = exp().Img_dl_up;
    QTest::mousePress(arrow, Qt::LeftButton, {}, QPoint(8, 13));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bench().state().dl_ofs >= 2; }, 10000));
    QTest::mouseRelease(arrow, Qt::LeftButton, {}, QPoint(8, 13));
    EXPECT_FALSE(form().session().arrowRepeating(bench::Arrow::Right));
}
