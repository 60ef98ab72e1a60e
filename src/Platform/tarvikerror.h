#pragma once

#include <QMetaType>
#include <QString>

// A failure as the app reports it: which enumeration (or platform facility) it comes from,
// the case within it, and the user-facing text. Built by the domain code that owns the texts.
class TarvikError
{
    Q_GADGET
    Q_PROPERTY(QString description READ description CONSTANT)
    Q_PROPERTY(bool hasDescription READ hasDescription CONSTANT)

public:
    enum class Domain {
        None,
        Account,   // TarvikAccountError
        Payment,   // TarvikPaymentError
        Api,       // TarvikAPIError
        Recovery,  // PasswordRecoveryError
        Transport, // network failure of the platform, described by NetworkFailure
        Parse,     // JSON parser failure, passed through unchanged
        Secrets,   // failure of the platform's secret storage; the library's own text as the payload
        Cancelled, // an operation overtaken or cancelled; carries no description
    };
    Q_ENUM(Domain)

    TarvikError() = default;
    TarvikError(Domain domain, int code, QString description, qint64 number = 0, QString payload = {});

    static TarvikError cancelled();
    // `requestSent`: the request left whole before the connection failed (the server may have
    // carried it out), as the transport tells.
    static TarvikError transport(int networkError, const QString &description, bool requestSent = false);
    static TarvikError parse(const QString &description);

    Domain domain() const { return m_domain; }
    int code() const { return m_code; }
    // Extra number a case carries: an HTTP status, cooldown seconds.
    qint64 number() const { return m_number; }
    // Extra text a case carries: the site's refusal reason; of a platform failure, the library's
    // own words, for the log only.
    QString payload() const { return m_payload; }
    QString description() const { return m_description; }
    bool hasDescription() const { return !m_description.isEmpty(); }

    bool isCancellation() const { return m_domain == Domain::Cancelled; }
    // A transport failure that came after the request had left whole: the server may have it and
    // may have done what it asked. False for every other failure.
    bool requestSent() const { return m_requestSent; }

    template<typename Enum>
    bool is(Enum value) const;

    friend bool operator==(const TarvikError &, const TarvikError &) = default;

private:
    Domain m_domain = Domain::None;
    int m_code = 0;
    QString m_description;
    qint64 m_number = 0;
    QString m_payload;
    bool m_requestSent = false;
};

// Each error enumeration names its domain through this trait (specialised next to the enumeration).
template<typename Enum>
struct TarvikErrorDomainOf;

template<typename Enum>
bool TarvikError::is(Enum value) const
{
    return m_domain == TarvikErrorDomainOf<Enum>::value && m_code == static_cast<int>(value);
}

QDebug operator<<(QDebug debug, const TarvikError &error);

Q_DECLARE_METATYPE(TarvikError)
