#include "manual_clock.h"

#include <algorithm>
#include <cassert>

class ManualClock::ManualTimer final : public bench::Timer {
public:
    ManualTimer(ManualClock &clock, bool singleShot) : clock_(&clock), singleShot_(singleShot)
    {
        clock_->timers_.push_back(this);
    }
    ~ManualTimer() override
    {
        if (clock_)
            std::erase(clock_->timers_, this);
    }

    void start(int intervalMs) override
    {
        interval_ = std::max(intervalMs, 0);
        due_ = clock_->now_ + interval_;
        active_ = true;
    }
    void stop() override { active_ = false; }
    bool isActive() const override { return active_; }

    ManualClock *clock_;
    bool singleShot_;
    bool active_ = false;
    std::int64_t interval_ = 0;
    std::int64_t due_ = 0;
};

ManualClock::~ManualClock()
{
    // Timers that outlive the clock never fire again.
    for (ManualTimer *timer : timers_)
        timer->clock_ = nullptr;
}

std::unique_ptr<bench::Timer> ManualClock::makeTimer(bool singleShot)
{
    return std::make_unique<ManualTimer>(*this, singleShot);
}

bool ManualClock::anyActive() const
{
    return std::any_of(timers_.begin(), timers_.end(), [](const ManualTimer *t) { return t->active_; });
}

void ManualClock::advance(std::int64_t ms)
{
    assert(ms >= 0);
    const std::int64_t end = now_ + ms;
    for (;;) {
        ManualTimer *next = nullptr;
        for (ManualTimer *timer : timers_) {
            if (timer->active_ && timer->due_ <= end && (!next || timer->due_ < next->due_))
                next = timer;
        }
        if (!next)
            break;
        now_ = next->due_;
        // Rearmed before it fires, so that a timeout may restart or stop it.
        if (next->singleShot_)
            next->active_ = false;
        else
            next->due_ += std::max<std::int64_t>(next->interval_, 1);
        if (next->timeout)
            next->timeout();
    }
    now_ = end;
}
