#include "standinsite.h"

#include "standincheckoutpages.h"
#include "standinpartnertv.h"
#include "standinshop.h"
#include "standinsupport.h"

#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrlQuery>

namespace
{
QByteArray json(const QJsonValue &value)
{
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
}

QByteArray methodName(QHttpServerRequest::Method method)
{
    switch (method) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Put:
        return "PUT";
    case QHttpServerRequest::Method::Delete:
        return "DELETE";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    default:
        return "OTHER";
    }
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 307:
        return "Temporary Redirect";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    case 502:
        return "Bad Gateway";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}
} // namespace

QByteArray StandinSite::Request::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QString StandinSite::Request::queryValue(const QString &key) const
{
    return QUrlQuery(QString::fromLatin1(query)).queryItemValue(key, QUrl::FullyDecoded);
}

QString StandinSite::Request::key() const
{
    if (path == QLatin1String("/mobile.jsp"))
        return queryValue(QStringLiteral("action"));
    return path;
}

StandinSite::StandinSite(QObject *parent)
    : QAbstractHttpServer(parent)
{
    QFile fixture(QStringLiteral(":/standin/fixtures/account.json"));
    fixture.open(QIODevice::ReadOnly);
    m_fixture = QJsonDocument::fromJson(fixture.readAll()).object();
}

StandinSite::~StandinSite() = default;

bool StandinSite::start(const QHostAddress &address, quint16 port)
{
    if (!m_certificates.generate(address)) {
        m_error = m_certificates.errorString();
        return false;
    }
    sslSetup(m_certificates.serverCertificate(), m_certificates.serverKey());
    m_port = listen(address, port);
    if (m_port == 0) {
        m_error = QStringLiteral("cannot listen on %1:%2").arg(address.toString()).arg(port);
        return false;
    }
    m_address = address;
    return true;
}

void StandinSite::stop()
{
    for (QTcpServer *server : servers())
        server->close();
    m_stopped = true;
}

bool StandinSite::resume()
{
    if (m_stopped && listen(m_address, m_port) == m_port)
        m_stopped = false;
    return !m_stopped;
}

QUrl StandinSite::baseUrl() const
{
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(m_address.toString());
    if (m_port != 443)
        url.setPort(m_port);
    url.setPath(QStringLiteral("/"));
    return url;
}

QString StandinSite::login() const
{
    return m_fixture.value(QStringLiteral("login")).toString();
}

QString StandinSite::password() const
{
    return m_fixture.value(QStringLiteral("password")).toString();
}

QJsonObject StandinSite::actionReply(const QString &action) const
{
    return m_fixture.value(QStringLiteral("actions")).toObject().value(action).toObject();
}

void StandinSite::setActionReply(const QString &action, const QJsonValue &reply)
{
    QJsonObject actions = m_fixture.value(QStringLiteral("actions")).toObject();
    actions.insert(action, reply);
    m_fixture.insert(QStringLiteral("actions"), actions);
}

void StandinSite::setTvPackagesReply(const QByteArray &body)
{
    m_tvPackagesOverride = body;
}

void StandinSite::setOverride(const QString &key, const Override &override)
{
    m_overrides.insert(key, override);
}

void StandinSite::clearOverrides()
{
    m_overrides.clear();
}

void StandinSite::hold(const QString &key, int times)
{
    m_held.insert(key, times);
}

void StandinSite::releaseHeld()
{
    m_held.clear();
    const auto held = std::exchange(m_heldIds, {});
    for (const auto &[key, id] : held)
        deliver(id);
}

void StandinSite::release(const QString &key)
{
    m_held.remove(key);
    QList<quint64> ids;
    for (auto it = m_heldIds.begin(); it != m_heldIds.end();) {
        if (it->first == key) {
            ids.append(it->second);
            it = m_heldIds.erase(it);
        } else {
            ++it;
        }
    }
    for (quint64 id : ids)
        deliver(id);
}

QVariantMap StandinSite::lastQuery(const QString &key) const
{
    for (auto it = m_requests.crbegin(); it != m_requests.crend(); ++it) {
        if (it->key() != key)
            continue;
        QVariantMap query;
        for (const auto &[name, value] : QUrlQuery(QString::fromLatin1(it->query)).queryItems(QUrl::FullyDecoded))
            query.insert(name, value);
        return query;
    }
    return {};
}

QStringList StandinSite::requestKeys() const
{
    QStringList keys;
    for (const Request &request : m_requests)
        keys.append(request.key());
    return keys;
}

bool StandinSite::handleRequest(const QHttpServerRequest &incoming, QTcpSocket *socket)
{
    Request request;
    request.method = methodName(incoming.method());
    request.path = incoming.url().path();
    request.query = incoming.url().query(QUrl::FullyEncoded).toLatin1();
    request.headers = incoming.headers();
    request.body = incoming.body();
    for (const QByteArray &part : request.header("Cookie").split(';')) {
        const qsizetype equals = part.indexOf('=');
        if (equals > 0)
            request.cookies.insert(part.left(equals).trimmed(), part.mid(equals + 1).trimmed());
    }
    const bool speedTest = StandinSpeedTest::serves(request.path);
    if (speedTest && !request.body.isEmpty()) {
        if (m_lastSpeedTestBody >= 0)
            m_requests[m_lastSpeedTestBody].body.clear();
        m_lastSpeedTestBody = m_requests.size();
    }
    m_requests.append(request);
    Q_EMIT requestReceived(request);
    // As web servers do: an answer is not held back behind unacknowledged data (after a TLS 1.3
    // handshake, the session tickets), which would add the client's delayed ACK to the first
    // answer on every new connection.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (speedTest) {
        if (const auto it = m_overrides.constFind(request.path); it != m_overrides.constEnd() && it->fault != StandinFault::None) {
            StandinFaults::serve(it->fault, socket, {}, origin(request) + request.path.toLatin1());
            return true;
        }
        m_speedTest.respond(request.method, request.path, request.query, socket);
        return true;
    }

    const QString key = request.key();
    Reply reply = route(request);
    std::chrono::milliseconds delay = m_latency + reply.delay;
    // The server is still reading from the socket: it breaks on the next turn of the loop.
    const auto dropConnection = [socket] { QTimer::singleShot(0, socket, [socket] { socket->abort(); }); };
    if (key == QLatin1String("/checkout/broken")) {
        dropConnection();
        return true;
    }
    if (key == QLatin1String("/checkout/slow"))
        delay += m_slowPageDelay;
    delay += StandinPartnerTV::delay(key);
    if (const auto it = m_overrides.constFind(key); it != m_overrides.constEnd()) {
        const Override &switched = *it;
        if (switched.dropConnection) {
            dropConnection();
            return true;
        }
        if (switched.fault != StandinFault::None) {
            const QByteArray query = request.query.isEmpty() ? QByteArray() : '?' + request.query;
            StandinFaults::serve(switched.fault, socket, reply.body, origin(request) + request.path.toLatin1() + query);
            return true;
        }
        if (switched.status)
            reply.status = *switched.status;
        if (switched.body)
            reply.body = *switched.body;
        if (switched.location)
            reply.headers.append({"Location", *switched.location});
        reply.headers.append(switched.headers);
        delay += switched.delay;
    }

    const quint64 id = m_nextId++;
    m_pending.emplace(id, Pending{socket, std::make_unique<QHttpServerResponder>(makeResponder(incoming, socket)), reply});
    if (key == QLatin1String("/checkout/never"))
        return true; // stays pending for as long as the site lives
    if (const auto held = m_held.find(key); held != m_held.end()) {
        if (*held > 0 && --*held == 0)
            m_held.erase(held);
        m_heldIds.append({key, id});
        Q_EMIT requestHeld(key);
    } else if (delay.count() > 0) {
        QTimer::singleShot(delay, this, [this, id] { deliver(id); });
    } else {
        deliver(id);
    }
    return true;
}

void StandinSite::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    makeResponder(request, socket).write(QHttpServerResponder::StatusCode::NotFound);
}

void StandinSite::deliver(quint64 id)
{
    const auto it = m_pending.find(id);
    if (it == m_pending.end())
        return;
    Pending pending = std::move(it->second);
    m_pending.erase(it);
    if (!pending.socket)
        return; // the client went away meanwhile

    const Reply &reply = pending.reply;
    QHttpServerResponder &responder = *pending.responder;
    // The responder's own status line has no phrase for arbitrary codes: write ours.
    pending.socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n");
    responder.writeHeader("Content-Type", reply.contentType);
    responder.writeHeader("Content-Length", QByteArray::number(reply.body.size()));
    for (const auto &[name, value] : reply.headers)
        responder.writeHeader(name, value);
    responder.writeBody(reply.body);
}

StandinSite::Reply StandinSite::route(const Request &request)
{
    const QString &path = request.path;
    if (path == QLatin1String("/ajax/login.jsp") && request.method == "POST")
        return login(request);
    if (path == QLatin1String("/mobile.jsp"))
        return mobile(request);
    if (path == QLatin1String("/exit.jsp")) {
        m_sessions.remove(request.cookies.value("JSESSIONID"));
        Reply reply = page(QStringLiteral("Выход"), QStringLiteral("<p>Вы вышли из личного кабинета.</p>"));
        reply.headers.append({QByteArray("Set-Cookie"), QByteArray("JSESSIONID=; Path=/; Max-Age=0; Secure; HttpOnly")});
        return reply;
    }
    if (path == QLatin1String("/ajax/sbplink.jsp"))
        return checkoutAddress(request, QStringLiteral("sbp"), request.queryValue(QStringLiteral("payment")));
    if (path == QLatin1String("/payment_yookassa_velmor.jsp"))
        return checkoutAddress(request, QStringLiteral("card"), request.queryValue(QStringLiteral("amount")));
    if (path == QLatin1String("/pass_recovery_send.jsp"))
        return passwordRecovery(request);
    if (path == QLatin1String("/velmorlogin.jsp"))
        return page(QStringLiteral("Вход в личный кабинет"), QStringLiteral("<form method=\"post\" action=\"ajax/login.jsp\"></form>"));
    if (path.startsWith(QLatin1String("/checkout/")))
        return checkoutPage(request);
    if (StandinShop::handles(path))
        return StandinShop::reply(path);
    if (auto partnerTV = StandinPartnerTV::reply(path))
        return *partnerTV;
    if (const auto support = StandinSupport::answer(path, request.queryValue(QStringLiteral("q"))))
        return Reply{.status = support->status, .body = support->body, .contentType = support->contentType};
    Reply missing = page(QStringLiteral("Не найдено"), QStringLiteral("<p>Страница не найдена.</p>"));
    missing.status = 404;
    return missing;
}

StandinSite::Reply StandinSite::login(const Request &request)
{
    const QUrlQuery form(QString::fromUtf8(request.body));
    const bool valid = !m_rejectCredentials && form.queryItemValue(QStringLiteral("login"), QUrl::FullyDecoded) == login()
        && form.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded) == password()
        && form.queryItemValue(QStringLiteral("owner"), QUrl::FullyDecoded) == m_fixture.value(QStringLiteral("owner")).toString();
    Reply reply;
    reply.body = json(QJsonObject{{QStringLiteral("res"), valid}});
    if (valid) {
        const QByteArray session = QByteArray::number(QRandomGenerator::global()->generate64(), 16).rightJustified(16, '0');
        m_sessions.insert(session);
        reply.headers.append({"Set-Cookie", "JSESSIONID=" + session + "; Path=/; Secure; HttpOnly"});
    }
    return reply;
}

StandinSite::Reply StandinSite::mobile(const Request &request)
{
    if (!hasSession(request))
        return redirectToLogin(request);
    const QString action = request.queryValue(QStringLiteral("action"));
    Reply reply;
    if (action == QLatin1String("h42tv_channels")) {
        reply.body = m_tvPackagesOverride.isEmpty() ? json(m_fixture.value(QStringLiteral("tvPackages"))) : m_tvPackagesOverride;
        return reply;
    }
    const QJsonObject actions = m_fixture.value(QStringLiteral("actions")).toObject();
    if (!actions.contains(action)) {
        reply.body = json(QJsonObject{{QStringLiteral("result"), QStringLiteral("error")}, {QStringLiteral("reason"), QStringLiteral("Неизвестное действие")}});
        return reply;
    }
    if (action == QLatin1String("h42tv_add_account") && request.queryValue(QStringLiteral("logname")).trimmed().isEmpty()) {
        reply.body = json(QJsonObject{{QStringLiteral("result"), QStringLiteral("error")}, {QStringLiteral("reason"), QStringLiteral("Укажите номер телефона")}});
        return reply;
    }
    reply.body = json(actions.value(action));
    return reply;
}

StandinSite::Reply StandinSite::checkoutAddress(const Request &request, const QString &kind, const QString &amount)
{
    if (!hasSession(request))
        return redirectToLogin(request);
    QUrl address(QString::fromLatin1(origin(request)) + QStringLiteral("/checkout/") + kind);
    address.setQuery(QUrlQuery{{QStringLiteral("amount"), amount}});
    Reply reply;
    // The fast-payment page answers with plain text, the card page with a JSON string: both occur.
    if (kind == QLatin1String("sbp")) {
        reply.contentType = "text/plain; charset=utf-8";
        reply.body = address.toEncoded() + "\n";
    } else {
        reply.body = QJsonDocument(QJsonArray{QString::fromLatin1(address.toEncoded())}).toJson(QJsonDocument::Compact).mid(1).chopped(1);
    }
    return reply;
}

StandinSite::Reply StandinSite::checkoutPage(const Request &request) const
{
    const QString origin = QString::fromLatin1(this->origin(request));
    const QString plainOrigin = QStringLiteral("http") + origin.mid(5);
    const QByteArray html = StandinCheckoutPages::page(request.path, origin, plainOrigin, request.queryValue(QStringLiteral("amount")));
    if (html.isEmpty()) {
        Reply missing = page(QStringLiteral("Не найдено"), QStringLiteral("<p>Страница не найдена.</p>"));
        missing.status = 404;
        return missing;
    }
    Reply reply;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = html;
    // Every visit of a payment page is a fresh one.
    reply.headers.append({QByteArray("Cache-Control"), QByteArray("no-store")});
    return reply;
}

StandinSite::Reply StandinSite::passwordRecovery(const Request &request)
{
    const QJsonObject recovery = m_fixture.value(QStringLiteral("recovery")).toObject();
    const bool matches = request.queryValue(QStringLiteral("bill")) == recovery.value(QStringLiteral("bill")).toString()
        && request.queryValue(QStringLiteral("phone")) == recovery.value(QStringLiteral("phone")).toString();
    QJsonObject answer{{QStringLiteral("res"), false}, {QStringLiteral("error"), QString()}};
    if (matches) {
        const int cooldown = recovery.value(QStringLiteral("cooldownSeconds")).toInt();
        const QDateTime now = QDateTime::currentDateTimeUtc();
        if (m_lastRecovery.isValid() && m_lastRecovery.secsTo(now) < cooldown) {
            answer.insert(QStringLiteral("error"), QString::number(cooldown - m_lastRecovery.secsTo(now)));
        } else {
            m_lastRecovery = now;
            answer = {{QStringLiteral("res"), true}, {QStringLiteral("error"), QJsonValue::Null}};
        }
    }
    Reply reply;
    reply.body = json(answer);
    return reply;
}

StandinSite::Reply StandinSite::page(const QString &title, const QString &body) const
{
    Reply reply;
    reply.contentType = "text/html; charset=utf-8";
    reply.body = QStringLiteral("<!doctype html><html lang=\"ru\"><head><meta charset=\"utf-8\">"
                                "<meta name=\"viewport\" content=\"width=device-width\"><title>%1</title></head>"
                                "<body><h1>%1</h1>%2</body></html>")
                     .arg(title, body)
                     .toUtf8();
    return reply;
}

StandinSite::Reply StandinSite::redirectToLogin(const Request &request) const
{
    Reply reply = page(QStringLiteral("Вход"), QString());
    reply.status = 302;
    reply.headers.append({"Location", origin(request) + "/velmorlogin.jsp"});
    return reply;
}

bool StandinSite::hasSession(const Request &request) const
{
    return m_sessions.contains(request.cookies.value("JSESSIONID"));
}

QByteArray StandinSite::origin(const Request &request) const
{
    const QByteArray host = request.header("Host");
    return "https://" + (host.isEmpty() ? baseUrl().authority().toLatin1() : host);
}
