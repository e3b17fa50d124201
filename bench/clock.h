#pragma once

#include <functional>
#include <memory>

namespace bench {

// One timer the bench waits on. start() (re)arms it; a repeating timer then
// calls timeout every interval until stopped, a single-shot one once.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

    std::function<void()> timeout;
};

// Where the bench's timers come from: Qt's timers in the program, a clock
// advanced by hand in tests, so that every auto-repeat count is exact.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::unique_ptr<Timer> makeTimer(bool singleShot) = 0;
};

// Timers on the event loop of the calling thread.
class QtClock final : public Clock {
public:
    std::unique_ptr<Timer> makeTimer(bool singleShot) override;
};

} // namespace bench
