#include "confirmationpause.h"

ConfirmationPause::ConfirmationPause(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(duration);
    connect(&m_timer, &QTimer::timeout, this, &ConfirmationPause::finished);
}

bool ConfirmationPause::start()
{
    if (m_timer.isActive())
        return false;
    m_timer.start();
    return true;
}

void ConfirmationPause::cancel()
{
    if (!m_timer.isActive())
        return;
    m_timer.stop();
    Q_EMIT cancelled(cancellationText());
}

QString ConfirmationPause::cancellationText()
{
    return QStringLiteral("Отправка прервана. Заявка не отправлена.");
}
