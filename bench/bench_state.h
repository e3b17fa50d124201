#pragma once

#include <array>
#include <cstdint>

namespace bench {

// The one state of the bench, alive for the whole run.
struct TBenchState {
    std::int32_t dl_ofs = 0;              // wavelength offset: 380 + dl_ofs nm, 0..380
    std::int32_t y_os = 223;              // row of the optical axis on the bench canvas
    std::int32_t fl_stop = 0;             // 2 after an arrow auto-repeat hit the strip's end
    bool fl_drag = false;                 // a mouse button is down on the slider
    std::int32_t x_drag = 0;              // grip offset inside the slider
    std::int32_t k_one = 1;               // order of the base distance
    std::int32_t k_sel = 1;               // selected order, -8..8
    double d_gr = 1.0;                    // grating constant in 1e-5 m, 1.0..3.0
    std::array<std::int32_t, 9> mx_len{}; // drawn length of maximum j
};

constexpr std::int32_t kMinWavelength = 380;
constexpr std::int32_t kMaxWavelength = 760;
constexpr std::int32_t kMaxOffset = kMaxWavelength - kMinWavelength;
constexpr std::int32_t kMaxOrder = 8;
constexpr double kMinGrating = 1.0;
constexpr double kMaxGrating = 3.0;

} // namespace bench
