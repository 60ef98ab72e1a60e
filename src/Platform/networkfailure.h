#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QString>

// What a subscriber reads when a request fails below HTTP: one short Russian sentence for each
// kind of failure, naming what happened and nothing technical. The transport's own words
// (English, with the server's address and the library's name) are for the log only.
class NetworkFailure
{
    Q_GADGET

public:
    enum class Kind {
        NoConnection, // no network, or the server's name is not found
        Unreachable, // nothing answers at the server's address, or it refuses the connection
        ConnectionLost, // the connection broke, before the answer or during it
        SecureConnection, // the handshake failed, or the server's certificate is not trusted
        TimedOut,
        Other,
    };
    Q_ENUM(Kind)

    static Kind kindOf(QNetworkReply::NetworkError error);
    static QString text(Kind kind);
    static QString text(QNetworkReply::NetworkError error) { return text(kindOf(error)); }
};
