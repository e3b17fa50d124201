// Every screen and dialog in every language of the interface: each caption
// fits its control as the control's own font draws it, and the English
// interface shows, tells a screen reader or hints no Cyrillic.
#include "window_fixture.h"

#include "board_projector.h"
#include "class_results_panel.h"
#include "class_results_watch.h"
#include "error_box.h"
#include "journal_recovery.h"
#include "journal_screen.h"
#include "keyboard_help.h"
#include "lamp_lines.h"
#include "manual_clock.h"
#include "patient_read.h"
#include "qt_translation.h"
#include "result_file.h"
#include "result_keeper.h"
#include "source_texts.h"
#include "task_dialog.h"
#include "task_look.h"
#include "task_texts.h"
#include "teacher_window.h"
#include "ui_journal_screen.h"
#include "ui_task_dialog.h"
#include "ui_teacher_window.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaProperty>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTranslator>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

using namespace Qt::Literals::StringLiterals;

namespace {

// The results subfolder keeps its Russian name on disk in every language
// (the teacher's window looks for it by name), and texts quote it as it is.
bool hasCyrillic(QString text)
{
    text.remove(u"«Результаты»"_s);
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x400 && c.unicode() <= 0x4ff; });
}

// The text without what draws nothing: blanks at the ends of lines, blank
// lines at the end.
QString inked(const QString &text)
{
    QStringList lines = text.split(u'\n');
    for (QString &line : lines)
        while (line.endsWith(u' '))
            line.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

// Where a label's letters reach: its text drawn as the label draws it (the
// same rectangle, alignment and wrapping), on a ground larger by pad on each
// side, so that what the label's edges would cut shows; null for none.
QRect inkOf(const QLabel *label, const QRect &room, const QString &text, int flags, const QSize &pad)
{
    QImage image(label->size() + 2 * pad, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        painter.drawText(room.translated(pad.width(), pad.height()), flags | Qt::TextDontClip, text);
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) >= 128)
                ink |= QRect(x - pad.width(), y - pad.height(), 1, 1);
    }
    return ink;
}

// The part of the widget its ancestors leave visible, in its own
// coordinates: a caption running past a parent's edge is cut there.
QRect unclipped(const QWidget *w)
{
    QRect clip = w->rect();
    QPoint offset;
    for (const QWidget *p = w; !p->isWindow() && p->parentWidget(); p = p->parentWidget()) {
        offset += p->pos();
        clip &= p->parentWidget()->rect().translated(-offset);
    }
    return clip;
}

// The texts a widget shows or tells, by property (text, title, placeholder,
// tooltip, accessible name and description, window title, a spin box's
// suffix...) and by item (combo boxes, tabs, table headers and cells).
QStringList textsOf(QWidget *w)
{
    QStringList texts;
    const QMetaObject *meta = w->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.typeId() == QMetaType::QString && qstrcmp(property.name(), "styleSheet") != 0)
            texts << property.read(w).toString();
    }
    if (auto *combo = qobject_cast<QComboBox *>(w))
        for (int i = 0; i < combo->count(); ++i)
            texts << combo->itemText(i);
    if (auto *tabs = qobject_cast<QTabWidget *>(w))
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i) << tabs->tabToolTip(i) << tabs->tabWhatsThis(i);
    // A header shows its view's model: read once, through the view.
    if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model() && !qobject_cast<QHeaderView *>(w)) {
        const QAbstractItemModel *model = view->model();
        for (const int role : {Qt::DisplayRole, Qt::ToolTipRole, Qt::AccessibleTextRole}) {
            for (int c = 0; c < model->columnCount(); ++c)
                texts << model->headerData(c, Qt::Horizontal, role).toString();
            for (int r = 0; r < model->rowCount(); ++r)
                for (int c = 0; c < model->columnCount(); ++c)
                    texts << model->data(model->index(r, c), role).toString();
        }
    }
    return texts;
}

// What a widget paints by itself, its children included, on a transparent
// ground: its own background only if it fills one.
QImage paintedBy(QWidget *w)
{
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    w->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Walks a window and reports each caption that does not fit, by object
// name, language, text and widths.
class Audit {
public:
    explicit Audit(QString language) : language_(std::move(language)) {}

    // A name of the test's own data, not a text of the program.
    void ignore(const QString &data) { ignored_ << data; }

    void walk(QWidget *root, const QString &where)
    {
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        widgets.prepend(root);
        for (QWidget *w : widgets) {
            if (language_ == u"en") {
                for (QString text : textsOf(w)) {
                    for (const QString &data : ignored_)
                        text.remove(data);
                    if (hasCyrillic(text))
                        report(w, where, text, u"Cyrillic in English"_s);
                }
            }
            if (!w->isVisible())
                continue;
            if (auto *label = qobject_cast<QLabel *>(w)) {
                checkLabel(label, where);
                checkUncovered(label, where);
            } else if (auto *button = qobject_cast<QAbstractButton *>(w))
                checkButton(button, where);
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                checkGroupBox(box, where);
            else if (auto *bar = qobject_cast<QTabBar *>(w))
                checkTabs(bar, where);
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                checkCombo(combo, where);
        }
    }

private:
    void report(const QWidget *w, const QString &where, const QString &text, const QString &what)
    {
        ADD_FAILURE() << language_.toStdString() << ", " << where.toStdString() << ", " << w->objectName().toStdString()
                      << " (" << w->metaObject()->className() << "): " << what.toStdString() << ": «"
                      << text.toStdString() << "»";
    }

    // need: the text's width; [left, right): where the control lets it go.
    void fitWidth(const QWidget *w, const QString &where, const QString &text, int need, int left, int right,
        Qt::Alignment alignment = Qt::AlignLeft)
    {
        const int room = right - left;
        const int start = alignment & Qt::AlignHCenter ? left + (room - need) / 2
            : alignment & Qt::AlignRight
            ? right - need
            : left;
        const QRect visible = unclipped(w);
        if (need > room)
            report(w, where, text, u"%1 px wide in %2 px"_s.arg(need).arg(room));
        else if (start < visible.left() || start + need > visible.right() + 1)
            report(w, where, text,
                u"%1 px from x = %2, cut at %3..%4 by a parent"_s.arg(need)
                    .arg(start)
                    .arg(visible.left())
                    .arg(visible.right() + 1));
    }

    void checkLabel(QLabel *label, const QString &where)
    {
        const QString text = label->text();
        if (text.isEmpty())
            return;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
            -label->margin());
        const bool rich = label->textFormat() == Qt::RichText
            || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich) {
            // Rich text is laid out by the label's own document; its size
            // hints are that layout, frame and margins included.
            if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                report(label, where, text,
                    u"%1 px high at %2 px wide, in %3 px"_s.arg(label->heightForWidth(label->width()))
                        .arg(label->width())
                        .arg(label->height()));
            else if (!label->wordWrap() && label->sizeHint().width() > label->width())
                report(label, where, text, u"%1 px wide in %2 px"_s.arg(label->sizeHint().width()).arg(label->width()));
            return;
        }
        const QFontMetrics metrics(label->font());
        const QString ink = inked(text);
        if (!label->wordWrap())
            fitWidth(label, where, text, metrics.size(0, ink).width(), room.left(), room.right() + 1,
                label->alignment());
        // What the label's edges cut is the ink of its letters (accents
        // above, descenders below), not the line spacing; a single line's
        // width is its advance, judged above.
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize block =
            metrics.boundingRect(QRect(0, 0, label->wordWrap() ? room.width() : 1 << 20, 1 << 20), flags, ink).size();
        const QRect letters = inkOf(label, room, ink, flags,
            QSize(std::max(0, block.width() - room.width()) + 8, block.height() + 8));
        // A letter missing one row of its accent or descender still reads
        // as that letter: the Russian note under the journal (two lines of
        // 12 px in 25) loses that row.
        const QRect edges = label->wordWrap()
            ? label->rect().adjusted(0, -1, 0, 1)
            : QRect(letters.left(), -1, letters.width(), label->height() + 2);
        if (!letters.isNull() && !edges.contains(letters))
            report(label, where, text,
                u"letters over x = %1..%2, y = %3..%4, in %5 x %6 px"_s.arg(letters.left())
                    .arg(letters.right())
                    .arg(letters.top())
                    .arg(letters.bottom())
                    .arg(label->width())
                    .arg(label->height()));
    }

    // A label that grows with its caption must not run its letters under a
    // control stacked above it, nor over a control below it (pictures below
    // a caption are its ground).
    void checkUncovered(QLabel *label, const QString &where)
    {
        if (label->text().trimmed().isEmpty() || !label->parentWidget())
            return;
        const QObjectList siblings = label->parentWidget()->children();
        const qsizetype at = siblings.indexOf(label);
        QImage ink;
        for (qsizetype i = 0; i < siblings.size(); ++i) {
            auto *other = qobject_cast<QWidget *>(siblings[i]);
            if (!other || other == label || !other->isVisible() || !other->geometry().intersects(label->geometry()))
                continue;
            const bool control = qobject_cast<QLineEdit *>(other) || qobject_cast<QComboBox *>(other)
                || qobject_cast<QAbstractButton *>(other) || qobject_cast<QLabel *>(other);
            if (i < at && !control)
                continue;
            if (ink.isNull())
                ink = paintedBy(label);
            const QImage cover = paintedBy(other);
            const QPoint shift = other->pos() - label->pos();
            int hidden = 0;
            for (int y = 0; y < cover.height(); ++y)
                for (int x = 0; x < cover.width(); ++x)
                    hidden += ink.rect().contains(shift + QPoint(x, y)) && qAlpha(cover.pixel(x, y)) >= 128
                        && qAlpha(ink.pixel(shift + QPoint(x, y))) >= 128;
            if (hidden > 0)
                report(label, where, label->text(),
                    u"%1 px of its letters meet %2 (%3)"_s.arg(hidden).arg(other->objectName(),
                        QString::fromLatin1(other->metaObject()->className())));
        }
    }

    void checkButton(QAbstractButton *button, const QString &where)
    {
        const QString text = button->text();
        if (text.isEmpty())
            return;
        // The caption is drawn centred inside the button's frame (a push
        // button) or right of the indicator (a radio or check box): the
        // style's contents rectangle for that control.
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement element = QStyle::SE_PushButtonContents;
        Qt::Alignment alignment = Qt::AlignHCenter;
        if (qobject_cast<QRadioButton *>(button)) {
            element = QStyle::SE_RadioButtonContents;
            alignment = Qt::AlignLeft;
        } else if (qobject_cast<QCheckBox *>(button)) {
            element = QStyle::SE_CheckBoxContents;
            alignment = Qt::AlignLeft;
        } else if (auto *push = qobject_cast<QPushButton *>(button); push && push->autoDefault()) {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        const QRect room = button->style()->subElementRect(element, &option, button);
        int need = button->fontMetrics().size(Qt::TextShowMnemonic, text).width();
        if (!button->icon().isNull())
            need += button->iconSize().width() + 4; // the gap the styles leave after an icon
        fitWidth(button, where, text, need, room.left(), room.right() + 1, alignment);
    }

    void checkGroupBox(QGroupBox *box, const QString &where)
    {
        if (box->title().isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.lineWidth = 1;
        if (box->isFlat())
            option.features |= QStyleOptionFrame::Flat;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The title starts a margin in from the left edge of the frame and
        // must end as far before its right edge, where the frame turns down.
        const int need = box->fontMetrics().size(Qt::TextShowMnemonic, box->title()).width();
        fitWidth(box, where, box->title(), need, label.left(), box->width() - label.left());
    }

    void checkTabs(QTabBar *bar, const QString &where)
    {
        for (int i = 0; i < bar->count(); ++i) {
            // A tab is as wide as its text and the style's padding on both
            // sides; a narrower one is elided or scrolled out of sight.
            QStyleOptionTab option;
            option.initFrom(bar);
            option.text = bar->tabText(i);
            const int padding = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, bar);
            const QRect tab = bar->tabRect(i);
            const int need = bar->fontMetrics().size(Qt::TextShowMnemonic, bar->tabText(i)).width();
            fitWidth(bar, where, bar->tabText(i), need, tab.left() + padding / 2, tab.right() + 1 - padding / 2);
        }
    }

    // Any entry may be the one chosen: each must fit the field the closed
    // box shows it in, left of the arrow.
    void checkCombo(QComboBox *combo, const QString &where)
    {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        option.subControls = QStyle::SC_All;
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
            combo);
        for (int i = 0; i < combo->count(); ++i) {
            int need = combo->fontMetrics().horizontalAdvance(combo->itemText(i));
            if (!combo->itemIcon(i).isNull())
                need += combo->iconSize().width() + 4;
            fitWidth(combo, where, combo->itemText(i), need, field.left(), field.right() + 1);
        }
    }

    QString language_;
    QStringList ignored_;
};

// A message box that comes up inside the code under test (it runs its own
// exec()) is walked once it is laid out, then dismissed with its escape
// button, or rejected.
class BoxWalker : public QObject {
public:
    explicit BoxWalker(Audit &audit) : audit_(audit) { qApp->installEventFilter(this); }
    ~BoxWalker() override { qApp->removeEventFilter(this); }
    int walked() const { return walked_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *box = qobject_cast<QMessageBox *>(watched);
        if (box && event->type() == QEvent::Show) {
            QMetaObject::invokeMethod(
                box,
                [this, box = QPointer<QMessageBox>(box)] {
                if (!box)
                    return;
                audit_.walk(box, u"box «%1»"_s.arg(box->text().left(40)));
                ++walked_;
                if (QAbstractButton *escape = box->escapeButton())
                    escape->click();
                else
                    box->reject();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    Audit &audit_;
    int walked_ = 0;
};

// No dialog ever blocks: files are given, printing refused.
class GivenFiles final : public TeacherDialogs {
public:
    QStringList answers;
    QString chooseSaveFile(QWidget *, const QString &, const QString &, const QString &) override { return next(); }
    QString chooseOpenFile(QWidget *, const QString &, const QString &) override { return next(); }
    QString chooseFolder(QWidget *, const QString &) override { return next(); }
    QStringList chooseOpenFiles(QWidget *, const QString &, const QString &) override { return {next()}; }
    bool print(QWidget *, const std::function<void(QPagedPaintDevice &)> &) override { return false; }

private:
    QString next() { return answers.isEmpty() ? QString() : answers.takeFirst(); }
};

class FixedDigits final : public classroom::RandomSource {
public:
    std::uint32_t below(std::uint32_t bound) override { return (next_ += 7) % bound; }

private:
    std::uint32_t next_ = 0;
};

// The language's translations installed as start-up installs them, in
// place of the ones the test's application object got at its start.
class TextsFit : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override
    {
        setInterfaceLanguage(QString::fromLatin1(GetParam()));
        installTranslations(*qApp);
    }
    void TearDown() override
    {
        setInterfaceLanguage(u"ru"_s);
        installTranslations(*qApp);
    }

    // Each text the program may put into the label, in its place.
    void everyText(QLabel *label, const QStringList &texts, const QString &where)
    {
        ASSERT_TRUE(label && label->isVisible()) << where.toStdString();
        const QString shown = label->text();
        for (const QString &text : texts) {
            label->setText(text);
            audit.walk(label, where);
        }
        label->setText(shown);
    }

    Audit audit{QString::fromLatin1(GetParam())};
};

TEST_P(TextsFit, PupilsWindowScreensAndBoxes)
{
    ManualClock clock;
    TForm1 form(bench::NumberFormat{}, &clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    BoxWalker boxes(audit);
    Ui::TForm1 &ui = form.ui();
    const std::pair<QPushButton *, const char16_t *> screens[]{{ui.Button4, u"title"}, {ui.Button1, u"procedure"},
        {ui.Button2, u"experiment"}, {ui.Button7, u"journal"}};
    for (const auto &[button, name] : screens) {
        button->click();
        QApplication::processEvents();
        audit.walk(&form, QString::fromUtf16(name));
    }

    // A wrong answer: the verdict, the button's second caption and a row
    // in the journal; then a lamp, whose check names the line.
    bench::BenchSession &session = form.session();
    ui.Button2->click();
    session.typeText(bench::TextField::Answer, u"1"_s);
    session.Button6Click();
    QApplication::processEvents();
    audit.walk(&form, u"experiment, wrong answer"_s);
    session.Button6Click();
    session.setSource(bench::LightSource::Mercury);
    session.moveCursorTo(40);
    session.typeText(bench::TextField::Order, u"1"_s);
    session.typeText(bench::TextField::Answer, u"546"_s);
    session.Button6Click();
    QApplication::processEvents();
    audit.walk(&form, u"experiment, mercury lamp"_s);
    // The green line's first order, 546 nm * 50 cm / 1e4 nm = 2,73 cm up:
    // 109 rows of 0,025 cm. Right: the verdict and the line named.
    session.Button6Click();
    session.moveCursorTo(109);
    session.typeText(bench::TextField::Order, u"1"_s);
    session.typeText(bench::TextField::Answer, u"546"_s);
    session.Button6Click();
    QApplication::processEvents();
    ASSERT_EQ(session.verdict(), bench::Verdict::Right);
    audit.walk(&form, u"experiment, mercury lamp, right"_s);
    Ui::ExperimentScreen &exp = form.experiment().ui();
    QStringList lampHints{bench::sourceHintText(bench::SourceHint::OffTheLine),
        bench::sourceHintText(bench::SourceHint::Arithmetic), bench::sourceHintText(bench::SourceHint::OrderMissing),
        bench::featureName(bench::LightSource::White, 380), bench::featureName(bench::LightSource::White, 760)};
    QStringList lampNames;
    for (const bench::LightSourceInfo &source : bench::kLightSources)
        if (bench::isLamp(source.source))
            lampNames << bench::lampLabelText(source.source);
    QStringList lines;
    for (const bench::LampLine &line : bench::kLampLines)
        lines << bench::lineName(line);
    everyText(exp.Lbl_source_hint, lampHints + lines, u"experiment, every lamp hint"_s);
    everyText(exp.Lbl_source_lamp, lampNames, u"experiment, every lamp"_s);
    ui.Button7->click();
    QApplication::processEvents();
    audit.walk(&form, u"journal with rows"_s);
    form.journalScreen().clearAsked();

    // A classroom task from a class folder that takes no results (a file
    // stands where its results folder should be): the notes that say so,
    // its hint after a wrong check, and the box that refuses a second task.
    // Codes fold letters to Cyrillic look-alikes: a code of digits.
    const bench::TaskParse task = bench::parseTask(u"4817-2593"_s, u"6"_s, u"Ivanov Petr"_s);
    ASSERT_EQ(task.error, bench::TaskInputError::None);
    QTemporaryDir dir;
    const QString classFolder = dir.filePath(u"9b"_s);
    const QString results = classFolder + u"/Результаты"_s;
    QFile blocker(results);
    ASSERT_TRUE(QDir().mkpath(classFolder) && blocker.open(QIODevice::WriteOnly));
    blocker.close();
    audit.ignore(QDir::toNativeSeparators(results));
    ResultKeeper keeper(form, dir.filePath(u"local"_s));
    keeper.startTask(task.task, classFolder + u"/9b.gratinglab-task"_s);
    form.session().typeText(bench::TextField::Order, u"1"_s);
    form.session().typeText(bench::TextField::Answer, u"1"_s);
    form.session().Button6Click();
    QApplication::processEvents();
    ASSERT_FALSE(form.journalScreen().ui().Lbl_zametka->text().isEmpty());
    audit.walk(&form, u"task, wrong answer"_s);
    QStringList taskHints;
    for (const auto hint : {bench::TaskHint::OffTheLine, bench::TaskHint::Arithmetic, bench::TaskHint::OrderMissing,
             bench::TaskHint::WrongOrder, bench::TaskHint::Rounding})
        taskHints << bench::hintText(hint);
    everyText(form.experiment().findChild<QLabel *>(u"Lbl_hint"_s), taskHints + lines, u"task, every hint"_s);
    for (const auto &[button, name] : screens) {
        button->click();
        QApplication::processEvents();
        audit.walk(&form, u"task, "_s + QString::fromUtf16(name));
    }
    form.openTaskAsked();
    form.journalScreen().mayClose();

    showErrorBox(form.session().text(bench::TextField::Wavelength) + u" "_s + KeyboardHelpDialog::title());
    JournalRecovery::askWithBox(&form);
    // The class folder that does not answer: the work waits until the box
    // has been seen.
    auto release = std::make_shared<std::atomic<bool>>(false);
    EXPECT_FALSE(runPatiently(
        [release] {
        while (!release->load())
            std::this_thread::yield();
        },
        u"/srv/9B"_s, 0));
    release->store(true);
    EXPECT_EQ(boxes.walked(), 6);
}

TEST_P(TextsFit, PupilsDialogs)
{
    TaskDialog task;
    task.show();
    QApplication::processEvents();
    audit.walk(&task, u"task dialog"_s);
    task.accept(); // every field empty: the refusal below them
    QApplication::processEvents();
    audit.walk(&task, u"task dialog, refused"_s);
    EXPECT_TRUE(task.isVisible());

    KeyboardHelpDialog help;
    help.show();
    QApplication::processEvents();
    audit.walk(&help, u"keyboard help"_s);
}

TEST_P(TextsFit, TeachersWindowAndProjector)
{
    QTemporaryDir dir;
    GivenFiles dialogs;
    FixedDigits digits;
    ManualClock clock;
    TeacherWindow window(dialogs, digits, &clock);
    Ui::TeacherWindow &f = window.ui();
    window.fitScreen(QRect(0, 0, 1024, 768));
    window.show();
    QApplication::processEvents();
    for (int tab = 0; tab < f.Tabs->count(); ++tab) {
        f.Tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        audit.walk(&window, u"teacher, new task, tab %1"_s.arg(tab));
    }
    f.Tabs->setCurrentIndex(0);
    f.Rb_list->setChecked(true);
    f.Ed_class->setText(u"9B"_s);
    f.Te_pupils->setPlainText(u"Ivanov Petr\nPetrova Anna\n"_s);
    dialogs.answers = {dir.filePath(u"9b"_s), dir.filePath(u"class-9b"_s)};
    f.Btn_save->click();
    QApplication::processEvents();
    f.Btn_showKey->click();
    // Results in the class folder: a pupil's wrong check, and a file changed
    // by hand. The files keep verdicts and hints in Russian;
    // the window shows them in its language.
    ASSERT_TRUE(window.task());
    const QString results = dir.filePath(u"Результаты"_s);
    ASSERT_TRUE(QDir().mkpath(results));
    audit.ignore(QDir::toNativeSeparators(results));
    classroom::ResultFile file;
    file.code = window.task()->code;
    file.variant = 1;
    file.pupil = u"Ivanov Petr"_s;
    file.form = u"9B"_s;
    // d = 2, k = 1: the line of variant 1, 447 nm, lies at 1,12 cm, not 2,50.
    file.checks = {{QDateTime(QDate(2026, 12, 9), QTime(10, 0)), u"2"_s, 1, u"2,50"_s, u"500"_s, u"Неверно !"_s,
        u"визир не на линии"_s}};
    QFile ivanov(results + u"/ivanov.gratinglab-result"_s);
    ASSERT_TRUE(ivanov.open(QIODevice::WriteOnly) && ivanov.write(classroom::resultFileBytes(file)) > 0);
    ivanov.close();
    file.variant = 2;
    file.pupil = u"Petrova Anna"_s;
    QFile petrova(results + u"/petrova.gratinglab-result"_s);
    ASSERT_TRUE(petrova.open(QIODevice::WriteOnly)
        && petrova.write(classroom::resultFileBytes(file).replace("\"500\"", "\"501\"")) > 0);
    petrova.close();
    clock.advance(classroom::ClassResultsWatch::kRescanMs);
    QApplication::processEvents();
    auto *misfits = window.results().findChild<QListWidget *>(u"Lst_misfits"_s);
    ASSERT_TRUE(misfits);
    ASSERT_TRUE(misfits && misfits->count() == 1);
    for (int tab = 0; tab < f.Tabs->count(); ++tab) {
        f.Tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        audit.walk(&window, u"teacher, task saved, tab %1"_s.arg(tab));
    }
    window.projectCode();
    ASSERT_NE(window.projector(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.projector()));
    // Its fonts follow its size, and the layout then follows the fonts.
    QApplication::processEvents();
    window.projector()->layout()->activate();
    audit.walk(window.projector(), u"projector"_s);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextsFit, ::testing::Values("ru", "en", "uk", "kk"),
    [](const auto &info) { return std::string(info.param); });

} // namespace
