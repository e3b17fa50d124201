#pragma once

#include "clock.h"

#include <cstdint>
#include <vector>

// The bench's timers, run by hand: advance() moves time on and fires every
// timer that falls due on the way, in the order they fall due (timers due at
// the same moment in the order they were made). Nothing depends on how fast
// or how busy the machine is.
class ManualClock final : public bench::Clock {
public:
    ManualClock() = default;
    ManualClock(const ManualClock &) = delete;
    ManualClock &operator=(const ManualClock &) = delete;
    ~ManualClock() override;

    std::unique_ptr<bench::Timer> makeTimer(bool singleShot) override;

    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    bool anyActive() const;

private:
    class ManualTimer;
    friend class ManualTimer;

    std::int64_t now_ = 0;
    std::vector<ManualTimer *> timers_;
};
