#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QtQml/qqmlregistration.h>

#include <chrono>

// A clock that only moves forward, for timing transfers and what a screen schedules: a change of
// the wall clock meanwhile cannot make a span negative or huge. Tests substitute one they move by
// hand; it says when it moved, so that whatever waits on it runs what has fallen due.
class MonotonicClock : public QObject
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    using QObject::QObject;

    virtual std::chrono::nanoseconds now() const = 0;
    // False for a clock moved by hand: waiting on it in real time would never end.
    virtual bool movesOnItsOwn() const { return true; }

Q_SIGNALS:
    // A clock moved by hand has been moved on.
    void moved();
};

class ElapsedMonotonicClock final : public MonotonicClock
{
    Q_OBJECT

public:
    explicit ElapsedMonotonicClock(QObject *parent = nullptr)
        : MonotonicClock(parent)
    {
        m_timer.start();
    }
    std::chrono::nanoseconds now() const override { return std::chrono::nanoseconds(m_timer.nsecsElapsed()); }

private:
    QElapsedTimer m_timer;
};

class ManualMonotonicClock final : public MonotonicClock
{
    Q_OBJECT

public:
    using MonotonicClock::MonotonicClock;

    std::chrono::nanoseconds now() const override { return m_now; }
    bool movesOnItsOwn() const override { return false; }
    void advance(std::chrono::nanoseconds by)
    {
        m_now += by;
        Q_EMIT moved();
    }
    // The same for tests in QML.
    Q_INVOKABLE void advanceMilliseconds(int ms) { advance(std::chrono::milliseconds(ms)); }

private:
    std::chrono::nanoseconds m_now{0};
};
