#pragma once

#include <array>
#include <cstdlib>

namespace bench {

// The invisible click targets over the maxima, in the order the renderer
// places them: the central maximum, then orders 1..8 above the axis, then
// orders 1..8 below it.
struct OrderTarget {
    int order;        // the k_sel a click on it selects
    const char *name; // its control on the experiment screen
};

inline constexpr std::array<OrderTarget, 17> kOrderTargets{{
    {0, "Img0"},
    {1, "Img1u"},
    {2, "Img2u"},
    {3, "Img3u"},
    {4, "Img4u"},
    {5, "Img5u"},
    {6, "Img6u"},
    {7, "Img7u"},
    {8, "Img8u"},
    {-1, "Img1d"},
    {-2, "Img2d"},
    {-3, "Img3d"},
    {-4, "Img4d"},
    {-5, "Img5d"},
    {-6, "Img6d"},
    {-7, "Img7d"},
    {-8, "Img8d"},
}};

enum TargetIndex : int {
    kImg0 = 0,
    kImg1u = 1, // Img1u .. Img8u: indices 1..8
    kImg1d = 9, // Img1d .. Img8d: indices 9..16
    kTargetCount = int(kOrderTargets.size()),
};
constexpr int upperTarget(int order)
{
    return kImg1u + order - 1;
}
constexpr int lowerTarget(int order)
{
    return kImg1d + order - 1;
}
constexpr int targetOfOrder(int order)
{
    return order == 0 ? kImg0 : order > 0 ? upperTarget(order) : lowerTarget(-order);
}

static_assert([] {
    for (int i = 0; i < kTargetCount; ++i) {
        if (targetOfOrder(kOrderTargets[size_t(i)].order) != i)
            return false;
    }
    return true;
}());

} // namespace bench
