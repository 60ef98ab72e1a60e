#pragma once

#include <QTimer>

// The time a web page may take to load before it counts as failed: a single-shot timer whose
// limit may change while it runs, which then starts it over.
class LoadLimit : public QTimer
{
public:
    explicit LoadLimit(int milliseconds, QObject *parent = nullptr)
        : QTimer(parent)
    {
        setSingleShot(true);
        setInterval(milliseconds);
    }

    // Whether the limit changed.
    bool setLimit(int milliseconds)
    {
        if (interval() == milliseconds)
            return false;
        const bool running = isActive();
        setInterval(milliseconds);
        if (running)
            start();
        return true;
    }
};
