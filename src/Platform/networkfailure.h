#pragma once

#include <QNetworkReply>
#include <QObject>
#include <QString>

class TarvikError;

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

    // What a subscriber reads when a request that changes something (a payment, an account made,
    // an SMS) failed after it had left whole: the server may have done it, and the same request
    // again may do it twice.
    static QString sentText();
    // `failure` of a request that changes something, in the words the subscriber reads: a
    // transport failure after the request had left says it may have been carried out; any other
    // failure stays as it is. Not for requests that do no harm when repeated (reads, the sign-in
    // and the sign-out).
    static TarvikError ofAction(const TarvikError &failure);
    // The same failure in the plain words of its kind, once the action it failed is known not to
    // have been carried out (trying again is safe).
    static TarvikError ofActionNotDone(const TarvikError &failure);
};
