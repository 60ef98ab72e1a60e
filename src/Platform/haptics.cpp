#include "haptics.h"

#include <numeric>

Haptics::Haptics(QObject *parent)
    : QObject(parent)
{
}

void Haptics::play(Kind kind)
{
    ++m_counts[kind];
    Q_EMIT played(kind);
}

int Haptics::count(Kind kind) const
{
    return m_counts.value(kind);
}

int Haptics::total() const
{
    return std::accumulate(m_counts.cbegin(), m_counts.cend(), 0);
}

void Haptics::reset()
{
    m_counts.clear();
}
