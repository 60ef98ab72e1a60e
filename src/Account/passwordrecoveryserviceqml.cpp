#include "passwordrecoveryserviceqml.h"

#include "qmlsingleton.h"

#include "haptics.h"
#include "passwordrecoveryrules.h"
#include "passwordrecoveryservice.h"

#include <QCoroTask>
#include <QJSEngine>

namespace
{
QPointer<PasswordRecoveryServiceQml> instance;
} // namespace

PasswordRecoveryServiceQml::PasswordRecoveryServiceQml(PasswordRecoveryService *service, Haptics *haptics, QObject *parent)
    : QObject(parent)
    , m_service(service)
    , m_haptics(haptics)
{
}

void PasswordRecoveryServiceQml::setInstance(PasswordRecoveryServiceQml *recovery)
{
    instance = recovery;
}

PasswordRecoveryServiceQml *PasswordRecoveryServiceQml::create(QQmlEngine *, QJSEngine *)
{
    return provideQmlSingleton(instance.data(), "PasswordRecovery");
}

int PasswordRecoveryServiceQml::send(const QString &accountText, const QString &phoneText)
{
    const PasswordRecoveryRules::Submission submission = PasswordRecoveryRules::submission(accountText, phoneText);
    if (!submission.refusal.isEmpty())
        return 0;
    const int request = ++m_lastRequest;
    QCoro::connect(m_service->send(submission.account, submission.phone), this, [this, request](const Result<QString> &result) {
        const bool ok = result.ok();
        const QString message = ok ? *result : QString();
        const QString error = ok ? QString() : result.error().description();
        // Queued: a request that fails before reaching the network must not answer inside send().
        QMetaObject::invokeMethod(
            this,
            [this, request, ok, message, error] {
                Q_EMIT sendFinished(request, ok, message, error);
                if (m_haptics)
                    m_haptics->play(ok ? Haptics::NotificationSuccess : Haptics::NotificationError);
            },
            Qt::QueuedConnection);
    });
    return request;
}
