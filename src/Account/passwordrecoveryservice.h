#pragma once

#include "result.h"

#include <QCoroTask>
#include <QObject>
#include <QUrl>

#include <chrono>

class NetworkAccess;
class QNetworkAccessManager;

// Asks the personal-account site to send new sign-in data by SMS. Needs no session: one GET
// through the shared cookie store, outside the site's client.
class PasswordRecoveryService : public QObject
{
    Q_OBJECT

public:
    // `baseUrl`: the personal-account site, whose host serves the recovery page.
    PasswordRecoveryService(const QUrl &baseUrl, NetworkAccess *network, QObject *parent = nullptr);
    ~PasswordRecoveryService() override;

    // Sends the digits of the account and of the phone ("79XXXXXXXXX"); the success text, a
    // PasswordRecoveryError, or the transport failure as it happened (one after the request left
    // says that the SMS may have gone).
    QCoro::Task<Result<QString>> send(QString accountNumber, QString phoneNumber);

    // The request's address, or an invalid URL when none can be formed from `baseUrl`.
    static QUrl address(const QUrl &baseUrl, const QString &accountNumber, const QString &phoneNumber);
    // What a reply with HTTP `status` and `body` means.
    static Result<QString> interpret(int status, const QByteArray &body);

    static const QString successText;
    static constexpr std::chrono::seconds timeout{25};

private:
    QUrl m_baseUrl;
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
};
