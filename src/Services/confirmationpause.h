#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

// The short pause a confirmation-only order shows its sending state for. The timer belongs to
// this object, so a pause never fires into an order that is gone; cancel() ends it early with
// the cancellation text instead of the confirmation.
class ConfirmationPause : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds duration{250};

    explicit ConfirmationPause(QObject *parent = nullptr);

    bool isRunning() const { return m_timer.isActive(); }
    // Starts the pause; false (and nothing started) while one is running.
    bool start();
    // Ends a running pause with cancelled(); does nothing otherwise.
    void cancel();

    // What the user reads when a pause was cancelled.
    static QString cancellationText();

Q_SIGNALS:
    void finished();
    void cancelled(const QString &description);

private:
    QTimer m_timer;
};
