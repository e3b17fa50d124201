// The bench through Qt's accessibility interfaces, as a screen reader sees
// it: roles, values, actions and descriptions, and the events that make a
// screen reader speak.
#include "test_controls_fixture.h"

#include "bench_announcer.h"
#include "bench_reading.h"
#include "image_control.h"
#include "spin_button.h"

#include <QAccessible>
#include <QAccessibleValueInterface>

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Sent {
    QObject *object;
    QAccessible::Event type;
};

class AccessibleTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        QObject::connect(&screen().announcer(), &BenchAnnouncer::announced,
            [this](QObject *o, QAccessible::Event type) {
            sent_.push_back({o, type});
        });
    }

    static QAccessibleInterface *a11y(QObject *o) { return QAccessible::queryAccessibleInterface(o); }
    size_t sent(QObject *o, QAccessible::Event type)
    {
        return size_t(
            std::count_if(sent_.begin(), sent_.end(), [&](const Sent &s) { return s.object == o && s.type == type; }));
    }
    static void press(QAccessibleInterface *iface)
    {
        ASSERT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    unsigned renders() { return session().renders(); }

    std::vector<Sent> sent_;
};

TEST_F(AccessibleTest, EveryBenchControlHasTheRoleOfWhatItDoes)
{
    Ui::ExperimentScreen &f = form();
    EXPECT_EQ(a11y(f.Img_vizir)->role(), QAccessible::Slider);
    EXPECT_EQ(a11y(f.Img_dl_dn)->role(), QAccessible::Button);
    EXPECT_EQ(a11y(f.Img_dl_up)->role(), QAccessible::Button);
    for (int i = 0; i < bench::kTargetCount; ++i)
        EXPECT_EQ(a11y(screen().target(i))->role(), QAccessible::Button) << i;
    EXPECT_EQ(a11y(f.Img_osn)->role(), QAccessible::Graphic);
    EXPECT_EQ(a11y(f.Img_spektr)->role(), QAccessible::Graphic);
    // No picture control is left as a bare "filler".
    for (TImage *image : screen().findChildren<TImage *>())
        EXPECT_NE(a11y(image)->role(), QAccessible::Client) << image->objectName().toStdString();

    QAccessibleInterface *spinner = a11y(f.SpinButton1);
    EXPECT_EQ(spinner->role(), QAccessible::Grouping);
    ASSERT_EQ(spinner->childCount(), 2);
    EXPECT_EQ(spinner->child(0)->role(), QAccessible::Button);
    EXPECT_EQ(spinner->child(0)->text(QAccessible::Name), u"Увеличить постоянную решетки"_s);
    EXPECT_EQ(spinner->child(1)->text(QAccessible::Name), u"Уменьшить постоянную решетки"_s);
    EXPECT_EQ(spinner->child(1)->parent(), spinner);
    EXPECT_EQ(spinner->indexOfChild(spinner->child(1)), 1);
    // The spinner still never takes the focus.
    EXPECT_FALSE(spinner->state().focusable);
    EXPECT_TRUE(a11y(f.Img_vizir)->state().focusable);
    EXPECT_TRUE(a11y(f.Img_osn)->state().focusable);
}

TEST_F(AccessibleTest, SliderValueIsTheWavelengthAndSettingItDragsThere)
{
    QAccessibleValueInterface *value = a11y(form().Img_vizir)->valueInterface();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->currentValue().toInt(), 380);
    EXPECT_EQ(value->minimumValue().toInt(), 380);
    EXPECT_EQ(value->maximumValue().toInt(), 760);
    EXPECT_EQ(value->minimumStepSize().toInt(), 1);

    struct Set {
        QVariant to;
        int nm;
    };
    for (const Set &set : {Set{595.0, 595}, Set{9999, 760}, Set{-40, 380}, Set{500.4, 500}}) {
        const unsigned before = renders();
        sent_.clear();
        value->setCurrentValue(set.to);
        EXPECT_EQ(renders(), before + 1) << set.nm;
        EXPECT_EQ(sliderOffset(), set.nm - 380);
        EXPECT_EQ(value->currentValue().toInt(), set.nm);
        EXPECT_EQ(sent(form().Img_vizir, QAccessible::ValueChanged), 1u) << set.nm;
    }
    const unsigned before = renders();
    value->setCurrentValue(u"много"_s);
    EXPECT_EQ(renders(), before);
}

// One press of an accessible button is one click of the control: it steps
// once and starts no auto-repeat.
struct Press {
    const char *name;
    bench::Arrow arrow; // for an arrow
    int spinnerHalf;    // 0 up, 1 down, -1 for an arrow
    int nm;
    const char *grating;
};

class PressTest : public AccessibleTest, public ::testing::WithParamInterface<Press> {};

TEST_P(PressTest, IsOneClickWithoutRepeat)
{
    const Press p = GetParam();
    session().dragSliderTo(500);
    session().SpinButton1UpClick();
    QAccessibleInterface *iface = p.spinnerHalf >= 0
        ? a11y(form().SpinButton1)->child(p.spinnerHalf)
        : a11y(p.arrow == bench::Arrow::Left ? form().Img_dl_dn : form().Img_dl_up);
    const unsigned before = renders();
    press(iface);
    EXPECT_EQ(renders(), before + 1);
    clock_.advance(2000);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(sliderOffset(), p.nm - 380);
    EXPECT_EQ(form().Ed_d->text(), QString::fromUtf8(p.grating));
    EXPECT_FALSE(session().arrowRepeating(p.arrow));
    EXPECT_FALSE(session().spinnerRepeating());
}

INSTANTIATE_TEST_SUITE_P(Buttons, PressTest,
    ::testing::Values(Press{"LeftArrow", bench::Arrow::Left, -1, 499, "1,1"},
        Press{"RightArrow", bench::Arrow::Right, -1, 501, "1,1"}, Press{"GratingUp", bench::Arrow::Left, 0, 500, "1,2"},
        Press{"GratingDown", bench::Arrow::Left, 1, 500, "1"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(AccessibleTest, OnlyTargetsOfSelectableOrdersAreEnabled)
{
    // Initially orders -2..2 stay on the scale (y3 = 5,70 cm lies beyond 5 cm).
    for (int i = 0; i < bench::kTargetCount; ++i) {
        const int order = bench::kOrderTargets[size_t(i)].order;
        EXPECT_EQ(a11y(screen().target(i))->state().disabled, std::abs(order) > 2) << "order " << order;
    }
    press(a11y(form().Img2d));
    EXPECT_EQ(state().k_sel, -2);
    const unsigned before = renders();
    press(a11y(form().Img3u));
    EXPECT_EQ(state().k_sel, -2);
    EXPECT_EQ(renders(), before);
    // A wider grating brings order 3 onto the scale.
    for (int i = 0; i < 5; ++i)
        session().SpinButton1UpClick();
    EXPECT_FALSE(a11y(form().Img3u)->state().disabled);
    press(a11y(form().Img3u));
    EXPECT_EQ(form().Ed_k->text(), u"3"_s);
}

TEST_F(AccessibleTest, TheBenchDescriptionIsTheReadingAfterEveryRender)
{
    QObject *bench = form().Img_osn;
    EXPECT_EQ(a11y(bench)->text(QAccessible::Name), u"Оптический стенд"_s);
    EXPECT_EQ(a11y(bench)->text(QAccessible::Description),
        u"Длина волны 380 нм, d = 1,0; выбран максимум 1-го порядка над осью, y = 1,90 см"_s);
    session().arrowClick(bench::Arrow::Right);
    session().selectOrder(-2);
    session().arrowClick(bench::Arrow::Left); // one more render, the same reading
    EXPECT_EQ(sent(bench, QAccessible::DescriptionChanged), 3u);
    EXPECT_EQ(a11y(bench)->text(QAccessible::Description),
        u"Длина волны 380 нм, d = 1,0; выбран максимум 2-го порядка под осью, y = -3,80 см"_s);
    // Typing renders nothing and says nothing about the bench.
    sent_.clear();
    session().typeText(bench::TextField::Wavelength, u"400"_s);
    EXPECT_EQ(sent(bench, QAccessible::DescriptionChanged), 0u);

    // Task mode's switch: the wavelength is never told.
    screen().announcer().setWavelengthInReading(bench::WavelengthInReading::Hidden);
    session().selectOrder(1);
    EXPECT_EQ(a11y(bench)->text(QAccessible::Description),
        u"d = 1,0; выбран максимум 1-го порядка над осью, y = 2,00 см"_s);
    EXPECT_EQ(a11y(form().Label7)->text(QAccessible::Name), u"λ = ? нм"_s);
    EXPECT_EQ(a11y(form().Img_vizir)->valueInterface(), nullptr);
    sent_.clear();
    session().arrowClick(bench::Arrow::Right);
    EXPECT_EQ(sent(form().Img_vizir, QAccessible::ValueChanged), 0u);
}

TEST_F(AccessibleTest, VerdictChangesAreAnnounced)
{
    QObject *verdict = form().Lbl_otv;
    const QString idle = a11y(verdict)->text(QAccessible::Description);
    session().typeText(bench::TextField::Answer, u"380"_s);
    session().Button6Click();
    EXPECT_EQ(a11y(verdict)->text(QAccessible::Description), u"Верно !"_s);
    EXPECT_EQ(sent(verdict, QAccessible::DescriptionChanged), 1u);
    EXPECT_EQ(a11y(form().Button6)->text(QAccessible::Name), u"Сбросить проверку"_s);
    session().Button6Click();
    EXPECT_EQ(a11y(verdict)->text(QAccessible::Description), idle);
    EXPECT_EQ(a11y(form().Button6)->text(QAccessible::Name), u"Проверить ответ"_s);
    session().typeText(bench::TextField::Answer, u"38"_s);
    session().Button6Click();
    EXPECT_EQ(a11y(verdict)->text(QAccessible::Description), u"Неверно !"_s);
    EXPECT_EQ(sent(verdict, QAccessible::DescriptionChanged), 3u);
}

TEST_F(AccessibleTest, LabelsOfBlankRunsReadAsTheScreenShowsThem)
{
    Ui::ExperimentScreen &f = form();
    EXPECT_EQ(a11y(f.Label4)->text(QAccessible::Name), u"d = 1,0 · 10⁻⁵ м"_s);
    EXPECT_EQ(a11y(f.Label7)->text(QAccessible::Name), u"λ = 380 нм"_s);
    EXPECT_EQ(a11y(f.Label8)->text(QAccessible::Name), u"y = 1,90 см, k = 1"_s);
    press(a11y(f.SpinButton1)->child(0));
    press(a11y(f.Img_dl_up));
    EXPECT_EQ(a11y(f.Label4)->text(QAccessible::Name), u"d = 1,1 · 10⁻⁵ м"_s);
    EXPECT_EQ(a11y(f.Label7)->text(QAccessible::Name), u"λ = 381 нм"_s);
    // 381*50e-4/1.1 = 1.7318... cm
    EXPECT_EQ(a11y(f.Label8)->text(QAccessible::Name), u"y = 1,73 см, k = 1"_s);
}

} // namespace
