#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class Haptics;
class PasswordRecoveryService;
class QJSEngine;
class QQmlEngine;

// The recovery request for QML, as the singleton `PasswordRecovery`: send() starts it and
// sendFinished() reports it. The outcome's haptic plays here, so it plays even when the screen
// that asked has been closed meanwhile.
class PasswordRecoveryServiceQml : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(PasswordRecovery)
    QML_SINGLETON

public:
    // `haptics` may be null (nothing plays).
    PasswordRecoveryServiceQml(PasswordRecoveryService *service, Haptics *haptics, QObject *parent = nullptr);

    // The instance QML gets; set by main() or a test before the first engine asks.
    static void setInstance(PasswordRecoveryServiceQml *instance);
    static PasswordRecoveryServiceQml *create(QQmlEngine *, QJSEngine *);

    // Sends the form's two field texts; 0 when PasswordRecoveryRules refuses them (nothing is
    // sent), else the number that sendFinished() will carry. The answer never arrives during
    // this call.
    Q_INVOKABLE int send(const QString &accountText, const QString &phoneText);

Q_SIGNALS:
    // `message`: the success text; `error`: the failure's text for the user.
    void sendFinished(int request, bool ok, const QString &message, const QString &error);

private:
    PasswordRecoveryService *m_service;
    QPointer<Haptics> m_haptics;
    int m_lastRequest = 0;
};
