// Random mouse and keyboard input over the experiment screen, checking after
// every event that the bench state, the controls and their texts still agree.
#include "test_controls_fixture.h"

#include "number_text.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QRegularExpression>

#include <random>
#include <vector>

namespace {

// Fast enough for the sanitizer build too (about 20 s there).
constexpr int kEvents = 30000;

// A modal context menu would stop the run, and so would the source control's
// list; the field's paste is covered by Shift+Insert, the source control by
// its Up and Down keys.
class NoContextMenus : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ContextMenu)
            return true;
        if (!qobject_cast<QComboBox *>(watched))
            return false;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            return key == Qt::Key_Space || key == Qt::Key_F4 || key == Qt::Key_Down || key == Qt::Key_Up
                ? static_cast<QKeyEvent *>(event)->modifiers().testFlag(Qt::AltModifier) || key == Qt::Key_Space
                    || key == Qt::Key_F4
                : false;
        }
        return false;
    }
};

class MonkeyTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        qApp->installEventFilter(&noMenus_);
        QGuiApplication::clipboard()->setText(QStringLiteral("4a,5 "));
        // A render from a typed wavelength shows read-outs of that text, and a
        // failed one leaves them as they were; undoing the typing brings the
        // field back without a render. Moving the slider renders afresh.
        for (QLineEdit *readout : {form().Ed_ym, form().Ed_k}) {
            QObject::connect(readout, &QLineEdit::textChanged, [this] {
                if (form().Ed_mkm->isModified())
                    readoutsLag_ = true;
            });
        }
    }

    void TearDown() override
    {
        qApp->removeEventFilter(&noMenus_);
        ScreenTest::TearDown();
    }

    QPoint somewhere()
    {
        Ui::ExperimentScreen &f = form();
        const std::vector<QWidget *> hot{f.Img_vizir, f.Img_vizir, f.Img_vizir, f.Img_spektr, f.Img_dl_dn, f.Img_dl_up,
            f.SpinButton1, f.SpinButton1, f.Img0, f.Img1u, f.Img2u, f.Img3u, f.Img1d, f.Img2d, f.Img3d, f.Img8u,
            f.Button6, f.Edit5, f.Ed_mkm, f.Ed_d, f.Ed_k};
        const int pick = int(rng_() % (hot.size() + 4));
        if (pick >= int(hot.size())) {
            std::uniform_int_distribution<int> x(1, screen().width() - 1), y(1, screen().height() - 1);
            return {x(rng_), y(rng_)};
        }
        QWidget *w = hot[size_t(pick)];
        std::uniform_int_distribution<int> x(-3, w->width() + 2), y(-3, w->height() + 2);
        const QPoint p = inWindow(w, {x(rng_), y(rng_)});
        return {std::clamp(p.x(), 1, screen().width() - 1), std::clamp(p.y(), 1, screen().height() - 1)};
    }

    Qt::MouseButton someButton()
    {
        const unsigned r = rng_() % 10;
        return r < 7 ? Qt::LeftButton : r < 9 ? Qt::RightButton : Qt::MiddleButton;
    }

    void someKey()
    {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
        };
        static const std::vector<Key> keys{{Qt::Key_0, {}}, {Qt::Key_3, {}}, {Qt::Key_5, {}}, {Qt::Key_8, {}},
            {Qt::Key_A, {}}, {Qt::Key_X, {}}, {Qt::Key_Comma, {}}, {Qt::Key_Minus, {}}, {Qt::Key_Space, {}},
            {Qt::Key_Backspace, {}}, {Qt::Key_Delete, {}}, {Qt::Key_Left, {}}, {Qt::Key_Home, {}}, {Qt::Key_Up, {}},
            {Qt::Key_Down, {}}, {Qt::Key_Tab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Return, {}},
            {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_Insert, Qt::ShiftModifier}};
        const Key &k = keys[rng_() % keys.size()];
        // Keys go to the focus widget of the window, active or not.
        if (k.key == Qt::Key_Insert && form_->focusWidget() == form().Edit5)
            edit5Pasted_ = true;
        QTest::keyClick(window(), k.key, k.mods);
    }

    void step()
    {
        const unsigned r = rng_() % 100;
        if (r < 22) {
            const Qt::MouseButton b = someButton();
            if (heldButtons_ & b) {
                heldButtons_ &= ~Qt::MouseButtons(b);
                QTest::mouseRelease(window(), b, {}, somewhere());
            } else {
                heldButtons_ |= b;
                QTest::mousePress(window(), b, {}, somewhere());
            }
        } else if (r < 40) {
            for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                if (heldButtons_ & b) {
                    heldButtons_ &= ~Qt::MouseButtons(b);
                    QTest::mouseRelease(window(), b, {}, somewhere());
                    break;
                }
            }
        } else if (r < 72) {
            QTest::mouseMove(window(), somewhere());
        } else if (r < 82) {
            if (!heldButtons_)
                QTest::mouseClick(window(), someButton(), {}, somewhere());
        } else if (r < 85) {
            if (!heldButtons_)
                QTest::mouseDClick(window(), Qt::LeftButton, {}, somewhere());
        } else if (r < 99 || rng_() % 3 != 0) {
            someKey();
        } else {
            // Let the timers run: the arrows' repeat, the spinner's repetition.
            const int offset = state().dl_ofs;
            const double grating = state().d_gr;
            const bool idle = !heldButtons_;
            clock_.advance(int(rng_() % 260));
            if (idle) {
                ASSERT_EQ(state().dl_ofs, offset) << "the wavelength moved with no button held";
                ASSERT_EQ(state().d_gr, grating) << "the grating changed with no button held";
            }
        }
    }

    void checkConsistency(int event)
    {
        Ui::ExperimentScreen &f = form();
        const bench::TBenchState &s = state();
        // A field the pupil typed into since the program last wrote it.
        const bool mkmTyped = f.Ed_mkm->isModified();
        const bool dTyped = f.Ed_d->isModified();
        const bool ymTyped = f.Ed_ym->isModified();
        const bool kTyped = f.Ed_k->isModified();
        ASSERT_GE(s.dl_ofs, 0) << event;
        ASSERT_LE(s.dl_ofs, 380) << event;
        ASSERT_EQ(s.dl_ofs, f.Img_vizir->x() - 316) << event;
        ASSERT_EQ(f.Img_vizir->y(), 25) << event;
        ASSERT_GE(s.d_gr, 1.0) << event;
        ASSERT_LE(s.d_gr, 3.0) << event;
        ASSERT_NEAR(s.d_gr * 10, std::round(s.d_gr * 10), 1e-9) << event;
        ASSERT_LE(std::abs(s.k_sel), 8) << event;
        ASSERT_TRUE(s.fl_stop == 0 || s.fl_stop == 2) << event;
        // A lamp or white light, reached through the source control's keys:
        // the field names the source and the cursor's read-out is the distance.
        const bool mono = session().source() == bench::LightSource::Mono;
        if (!mono) {
            ASSERT_EQ(f.Ed_mkm->text(), session().text(bench::TextField::Wavelength)) << event;
            ASSERT_EQ(f.Ed_ym->text(), session().cursorText()) << event;
            ASSERT_FALSE(f.Img_vizir->isVisible()) << event;
        }
        if (mono && !mkmTyped) {
            ASSERT_EQ(f.Ed_mkm->text(), QString::number(380 + s.dl_ofs)) << event;
        }
        // Until the first step the field shows the form's "1,0".
        if (!dTyped && f.Ed_d->text() == QStringLiteral("1,0")) {
            ASSERT_EQ(s.d_gr, 1.0) << event;
        } else if (!dTyped) {
            ASSERT_EQ(f.Ed_d->text(), bench::FloatToStrGeneral(s.d_gr, bench::NumberFormat{})) << event;
        }
        // A render can fail only on a typed wavelength; until the program
        // writes the wavelength again the read-outs may lag behind.
        if (shownErrors().size() != errorsSeen_) {
            errorsSeen_ = shownErrors().size();
            readoutsLag_ = true;
        }
        if (f.Img_vizir->x() != sliderSeen_ && !mkmTyped) {
            sliderSeen_ = f.Img_vizir->x();
            readoutsLag_ = false;
        }
        const bool fresh = mono && !mkmTyped && !readoutsLag_;
        if (fresh && !kTyped) {
            ASSERT_EQ(f.Ed_k->text(), QString::number(std::abs(s.k_sel))) << event;
        }
        if (fresh && !ymTyped) {
            static const QRegularExpression distance(QStringLiteral("^-?[0-9],[0-9][0-9]$"));
            const QString y = f.Ed_ym->text();
            ASSERT_TRUE(distance.match(y).hasMatch()) << event << " " << y.toStdString();
            ASSERT_EQ(y.startsWith(u'-'), s.k_sel < 0) << event;
            ASSERT_EQ(y == QStringLiteral("0,00"), s.k_sel == 0) << event;
        }
        if (!heldButtons_) {
            ASSERT_FALSE(s.fl_drag) << event;
            ASSERT_FALSE(session().spinnerRepeating()) << event;
            ASSERT_EQ(f.Img_dl_dn->picture(), f.Img_dldn->picture()) << event;
            ASSERT_EQ(f.Img_dl_up->picture(), f.Img_dlup->picture()) << event;
        }
        const QString caption = f.Button6->text();
        const QString verdict = f.Lbl_otv->text();
        if (caption == QStringLiteral(u"Проверить")) {
            ASSERT_TRUE(verdict.isEmpty()) << event;
        } else {
            ASSERT_EQ(caption, QStringLiteral(u"Сброс")) << event;
            ASSERT_TRUE(verdict == QStringLiteral(u"Верно !") || verdict == QStringLiteral(u"Неверно !")) << event;
        }
        if (f.Edit5->text().isEmpty())
            edit5Pasted_ = false;
        static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
        if (!edit5Pasted_) {
            ASSERT_TRUE(digits.match(f.Edit5->text()).hasMatch())
                << event << " [" << f.Edit5->text().toStdString() << "]";
        }
        for (const QString &error : shownErrors())
            ASSERT_TRUE(error.endsWith(QStringLiteral("' is not a valid integer value."))) << event;
    }

    std::mt19937 rng_{20260608};
    NoContextMenus noMenus_;
    bool edit5Pasted_ = false;
    qsizetype errorsSeen_ = 0;
    bool readoutsLag_ = false;

    // How often the run changed each thing, to see that it reached every control.
    struct Reach {
        int wavelength = 0, grating = 0, order = 0, verdict = 0;
        int lastOffset = 0, lastOrder = 1;
        double lastGrating = 1.0;
        QString lastCaption;
        void note(const bench::TBenchState &s, const QString &caption)
        {
            wavelength += s.dl_ofs != lastOffset;
            grating += s.d_gr != lastGrating;
            order += s.k_sel != lastOrder;
            verdict += caption != lastCaption;
            lastOffset = s.dl_ofs;
            lastGrating = s.d_gr;
            lastOrder = s.k_sel;
            lastCaption = caption;
        }
    } reach_;
    int sliderSeen_ = 316;
};

TEST_F(MonkeyTest, RandomInputKeepsTheBenchConsistent)
{
    for (int event = 0; event < kEvents; ++event) {
        step();
        ASSERT_FALSE(HasFatalFailure());
        checkConsistency(event);
        ASSERT_FALSE(HasFatalFailure());
        reach_.note(state(), form().Button6->text());
    }
    std::printf("monkey: %d events; changes: wavelength %d, grating %d, order %d, answer button %d; "
                "%lld conversion errors caught\n",
        kEvents, reach_.wavelength, reach_.grating, reach_.order, reach_.verdict,
        static_cast<long long>(shownErrors().size()));
    // The run reached every control, not only the strip.
    EXPECT_GE(reach_.wavelength, 200);
    EXPECT_GE(reach_.grating, 50);
    EXPECT_GE(reach_.order, 50);
    EXPECT_GE(reach_.verdict, 20);
    EXPECT_GE(shownErrors().size(), 1);
}

} // namespace
