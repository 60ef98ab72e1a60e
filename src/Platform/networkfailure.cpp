#include "networkfailure.h"

#include "tarvikerror.h"

NetworkFailure::Kind NetworkFailure::kindOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
        return Kind::NoConnection;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        return Kind::Unreachable;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return Kind::ConnectionLost;
    // A redirect from https down to plain http is refused: the connection would no longer be secure.
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::InsecureRedirectError:
        return Kind::SecureConnection;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return Kind::TimedOut;
    default:
        return Kind::Other;
    }
}

QString NetworkFailure::text(Kind kind)
{
    switch (kind) {
    case Kind::NoConnection:
        return QStringLiteral("Сервер не найден. Проверьте подключение к интернету.");
    case Kind::Unreachable:
        return QStringLiteral("Не удалось подключиться к серверу.");
    case Kind::ConnectionLost:
        return QStringLiteral("Соединение с сервером прервалось.");
    case Kind::SecureConnection:
        return QStringLiteral("Не удалось установить защищённое соединение с сервером.");
    case Kind::TimedOut:
        return QStringLiteral("Превышено время ожидания ответа сервера.");
    case Kind::Other:
        break;
    }
    return QStringLiteral("Не удалось связаться с сервером.");
}

QString NetworkFailure::sentText()
{
    return QStringLiteral("Связь прервалась после отправки запроса: он мог быть выполнен. Проверьте результат, прежде чем повторять.");
}

TarvikError NetworkFailure::ofAction(const TarvikError &failure)
{
    if (failure.domain() != TarvikError::Domain::Transport || !failure.requestSent())
        return failure;
    return TarvikError::transport(failure.code(), sentText(), true);
}

TarvikError NetworkFailure::ofActionNotDone(const TarvikError &failure)
{
    if (failure.domain() != TarvikError::Domain::Transport)
        return failure;
    return TarvikError::transport(failure.code(), text(QNetworkReply::NetworkError(failure.code())));
}
