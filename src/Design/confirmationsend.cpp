#include "confirmationsend.h"

ConfirmationSend::ConfirmationSend(QObject *parent)
    : QObject(parent)
{
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &ConfirmationSend::finish);
}

QString ConfirmationSend::cancellationText()
{
    return QStringLiteral("Операция отменена.");
}

void ConfirmationSend::setConfirmed(bool confirmed)
{
    if (m_confirmed == confirmed)
        return;
    m_confirmed = confirmed;
    Q_EMIT confirmedChanged();
}

void ConfirmationSend::setDelay(int milliseconds)
{
    milliseconds = qMax(0, milliseconds);
    if (m_delay == milliseconds)
        return;
    m_delay = milliseconds;
    Q_EMIT delayChanged();
}

bool ConfirmationSend::send()
{
    if (m_sending)
        return false;
    setSending(true);
    m_wait.start(m_delay);
    return true;
}

bool ConfirmationSend::send(const Summary &summary)
{
    if (!send())
        return false;
    m_summary = summary;
    return true;
}

bool ConfirmationSend::cancel()
{
    if (!m_sending)
        return false;
    m_wait.stop();
    // The failure branch: the text first, so the alert is up by the time the button returns.
    m_errorText = cancellationText();
    Q_EMIT errorChanged();
    setSending(false);
    return true;
}

void ConfirmationSend::clearError()
{
    if (m_errorText.isEmpty())
        return;
    m_errorText.clear();
    Q_EMIT errorChanged();
}

void ConfirmationSend::finish()
{
    // The sheet comes up before the caption returns, so the button never flashes enabled.
    setConfirmed(true);
    setSending(false);
}

void ConfirmationSend::setSending(bool sending)
{
    if (m_sending == sending)
        return;
    m_sending = sending;
    Q_EMIT sendingChanged();
}
