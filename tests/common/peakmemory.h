#pragma once

#include <QByteArray>
#include <QFile>

namespace PeakMemoryDetail
{
// A field in kB of /proc/self/status ("VmHWM:", "VmRSS:"); 0 where the kernel does not tell.
inline qint64 statusKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').constFirst().toLongLong();
    }
    return 0;
}
} // namespace PeakMemoryDetail

// The process's peak resident memory so far, in kB ("VmHWM" of /proc/self/status); 0 where the
// kernel does not tell.
inline qint64 peakMemoryKb()
{
    return PeakMemoryDetail::statusKb("VmHWM:");
}

// Starts the peak over from the memory resident now, which it returns in kB, so that the peak of
// one step can be told from that of the steps before it.
inline qint64 restartPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
    return PeakMemoryDetail::statusKb("VmRSS:");
}
