#include "clock.h"

#include <QTimer>

namespace bench {

namespace {

class QtTimer final : public Timer {
public:
    explicit QtTimer(bool singleShot)
    {
        timer_.setSingleShot(singleShot);
        // The spinner's 400 ms and the arrows' 100 ms are felt by the pupil.
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (timeout)
                timeout();
        });
    }

    void start(int intervalMs) override { timer_.start(intervalMs); }
    void stop() override { timer_.stop(); }
    bool isActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace

std::unique_ptr<Timer> QtClock::makeTimer(bool singleShot)
{
    return std::make_unique<QtTimer>(singleShot);
}

} // namespace bench
