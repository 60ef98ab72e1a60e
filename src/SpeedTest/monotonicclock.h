#pragma once

#include <QElapsedTimer>

#include <chrono>

// A clock that only moves forward, for timing transfers: a change of the wall clock during a
// measurement cannot make it negative or huge. Tests substitute one they move by hand.
class MonotonicClock
{
public:
    virtual ~MonotonicClock() = default;
    virtual std::chrono::nanoseconds now() const = 0;
};

class ElapsedMonotonicClock final : public MonotonicClock
{
public:
    ElapsedMonotonicClock() { m_timer.start(); }
    std::chrono::nanoseconds now() const override { return std::chrono::nanoseconds(m_timer.nsecsElapsed()); }

private:
    QElapsedTimer m_timer;
};

class ManualMonotonicClock final : public MonotonicClock
{
public:
    std::chrono::nanoseconds now() const override { return m_now; }
    void advance(std::chrono::nanoseconds by) { m_now += by; }

private:
    std::chrono::nanoseconds m_now{0};
};
