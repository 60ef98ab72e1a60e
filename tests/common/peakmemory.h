#pragma once

#include <QByteArray>
#include <QFile>

// The process's peak resident memory so far, in kB ("VmHWM" of /proc/self/status); 0 where the
// kernel does not tell.
inline qint64 peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLongLong();
    }
    return 0;
}

// Starts the peak over from the resident memory of now, so that what a test made before does not
// hide what it measures; false where the kernel does not allow it.
inline bool resetPeakMemory()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}
