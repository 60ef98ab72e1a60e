#include "tarvikerror.h"

#include <QDebug>

TarvikError::TarvikError(Domain domain, int code, QString description, qint64 number, QString payload)
    : m_domain(domain)
    , m_code(code)
    , m_description(std::move(description))
    , m_number(number)
    , m_payload(std::move(payload))
{
}

TarvikError TarvikError::cancelled()
{
    return TarvikError(Domain::Cancelled, 0, {});
}

TarvikError TarvikError::transport(int networkError, const QString &description, bool requestSent)
{
    TarvikError error(Domain::Transport, networkError, description);
    error.m_requestSent = requestSent;
    return error;
}

TarvikError TarvikError::parse(const QString &description)
{
    return TarvikError(Domain::Parse, 0, description);
}

QDebug operator<<(QDebug debug, const TarvikError &error)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "TarvikError(" << error.domain() << ", " << error.code();
    if (error.number() != 0)
        debug << ", " << error.number();
    debug << ", " << error.description();
    if (!error.payload().isEmpty() && error.payload() != error.description())
        debug << ", " << error.payload();
    if (error.requestSent())
        debug << ", request sent";
    debug << ')';
    return debug;
}
