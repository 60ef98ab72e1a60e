#pragma once

#include <algorithm>
#include <chrono>

// When something that failed may be asked for again: after a pause that starts at `first` and
// doubles with each failure in a row, up to `longest`, so that a server that stays down is asked
// a few times a minute at first and then rarely. A success forgets the failures.
class RetryPause
{
public:
    constexpr RetryPause(std::chrono::milliseconds first, std::chrono::milliseconds longest)
        : m_first(first)
        , m_longest(longest)
    {
    }

    bool mayTry(std::chrono::nanoseconds now) const { return m_failures == 0 || now >= m_nextTry; }
    constexpr std::chrono::milliseconds first() const { return m_first; }

    // A try that ended in failure at `now`.
    void failed(std::chrono::nanoseconds now)
    {
        std::chrono::nanoseconds pause = m_first;
        for (int i = 0; i < m_failures && pause < m_longest; ++i)
            pause *= 2;
        m_nextTry = now + std::min<std::chrono::nanoseconds>(pause, m_longest);
        ++m_failures;
    }
    void succeeded() { m_failures = 0; }

private:
    std::chrono::milliseconds m_first;
    std::chrono::milliseconds m_longest;
    int m_failures = 0;
    std::chrono::nanoseconds m_nextTry{0};
};
