// What a screen reader and the keyboard learn from the session alone: the
// reading of the bench, and which orders can be selected without the
// renderer falling back to order 1.
#include "bench_reading.h"
#include "bench_session.h"
#include "manual_clock.h"
#include "picture_catalogue.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using bench::BenchSession;
using bench::TextField;
using bench::WavelengthInReading;

namespace {

class ReadingTest : public ::testing::Test {
protected:
    // The slider to nm and the grating stepped up `steps` times from 1.0.
    void setUp(int nm, int steps)
    {
        session_.dragSliderTo(nm);
        for (int i = 0; i < steps; ++i)
            session_.SpinButton1UpClick();
    }

    ManualClock clock_;
    BenchSession session_{assets::scenePictures(), bench::NumberFormat{}, clock_};
};

TEST_F(ReadingTest, ReadsTheWavelengthTheGratingAndTheSelectedMaximum)
{
    EXPECT_EQ(bench::benchReading(session_),
        u"Длина волны 380 нм, d = 1,0; выбран максимум 1-го порядка над осью, y = 1,90 см"_s);
    session_.selectOrder(-1);
    EXPECT_EQ(bench::benchReading(session_),
        u"Длина волны 380 нм, d = 1,0; выбран максимум 1-го порядка под осью, y = -1,90 см"_s);
    session_.selectOrder(0);
    EXPECT_EQ(bench::benchReading(session_),
        u"Длина волны 380 нм, d = 1,0; выбран центральный максимум, y = 0,00 см"_s);

    // d = 2.0000000000000009 after ten steps, shown "2"; y = 2*595*50e-4/d =
    // 2.9749999... cm, shown "2,97".
    setUp(595, 10);
    session_.selectOrder(2);
    EXPECT_EQ(bench::benchReading(session_),
        u"Длина волны 595 нм, d = 2; выбран максимум 2-го порядка над осью, y = 2,97 см"_s);
    EXPECT_EQ(bench::benchReading(session_, WavelengthInReading::Hidden),
        u"d = 2; выбран максимум 2-го порядка над осью, y = 2,97 см"_s);
}

// The highest selectable order for a wavelength and a grating: R =
// Round(y*40) of the shown distance y (two decimals) must stay within 200.
struct Reach {
    int nm;
    int steps; // grating steps up from 1.0
    int highest;
};

class SelectableOrderTest : public ReadingTest, public ::testing::WithParamInterface<Reach> {};

TEST_P(SelectableOrderTest, AreExactlyThoseTheRendererKeeps)
{
    const Reach reach = GetParam();
    setUp(reach.nm, reach.steps);
    for (int k = -8; k <= 8; ++k) {
        const bool selectable = std::abs(k) <= reach.highest;
        EXPECT_EQ(session_.orderSelectable(k), selectable) << "order " << k;
        // The same rule as the renderer's: selecting the order keeps it, or
        // falls back to order 1.
        session_.selectOrder(k);
        EXPECT_EQ(session_.state().k_sel, selectable ? k : 1) << "order " << k;
    }
    EXPECT_FALSE(session_.orderSelectable(9));
    EXPECT_FALSE(session_.orderSelectable(-9));
}

INSTANTIATE_TEST_SUITE_P(Benches, SelectableOrderTest,
    ::testing::Values(Reach{380, 0, 2}, // y3 = 5,70 cm, R = 228
        Reach{380, 20, 7},              // d = 3: y7 = 4,43 (R 177), y8 = 5,07 (R 203)
        Reach{595, 10, 3},              // y3 = 4,46 (R 178), y4 = 5,95 (R 238)
        Reach{500, 0, 2},               // y2 = 5,00 exactly: R = 200 is still on the scale
        Reach{503, 0, 1},               // y2 = 5,03: R = 201 is not
        Reach{760, 0, 1}));             // y2 = 7,60

TEST_F(ReadingTest, NextSelectableOrderStopsAtTheLastOne)
{
    // Initially orders -2..2 can be selected, order 1 is.
    EXPECT_EQ(session_.nextSelectableOrder(+1), std::optional<int>(2));
    EXPECT_EQ(session_.nextSelectableOrder(-1), std::optional<int>(0));
    session_.selectOrder(2);
    EXPECT_EQ(session_.nextSelectableOrder(+1), std::nullopt);
    session_.selectOrder(-2);
    EXPECT_EQ(session_.nextSelectableOrder(-1), std::nullopt);
    EXPECT_EQ(session_.nextSelectableOrder(+1), std::optional<int>(-1));
    EXPECT_EQ(session_.nextSelectableOrder(0), std::nullopt);
}

TEST_F(ReadingTest, ATypedNonIntegerLeavesEveryOrderToTheRendersError)
{
    session_.typeText(TextField::Wavelength, u"4a0"_s);
    for (int k = -8; k <= 8; ++k)
        EXPECT_TRUE(session_.orderSelectable(k)) << "order " << k;
    EXPECT_EQ(session_.nextSelectableOrder(+1), std::optional<int>(2));
    EXPECT_TRUE(session_.selectOrder(5).has_value());
}

} // namespace
