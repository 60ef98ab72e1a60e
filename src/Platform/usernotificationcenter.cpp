#include "usernotificationcenter.h"

#include "clock.h"
#include "jsonfields.h"
#include "privatefiles.h"
#include "logging.h"

#include <QCoroDBusPendingCall>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString appName = QStringLiteral("Tarvik");

// How long the notification service may take to say it is there.
constexpr int probeTimeoutMs = 10000;
// QTimer counts in int milliseconds; farther fire dates are reached in steps.
constexpr qint64 longestWaitMs = std::numeric_limits<int>::max();
// The most the notifications file may hold; it is read whole at start. The app keeps a handful
// of notifications of a few hundred bytes each.
constexpr qsizetype maxStorageBytes = 256 * 1024;

const QDateTime referenceDate(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);

QDBusMessage methodCall(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

TarvikError failure(const QString &description)
{
    return TarvikError(TarvikError::Domain::Transport, 0, description);
}
} // namespace

UserNotificationCenter::UserNotificationCenter(const Clock *clock, const QString &storagePath, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_storagePath(storagePath)
{
    m_timer.setSingleShot(true);
    // A coarse timer may be 5 % late: 15 minutes on a five-hour wait.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &UserNotificationCenter::deliverDueRequests);
    load();
    // What came due while the app was not running shows at once, from the event loop.
    reschedule();
}

UserNotificationCenter::~UserNotificationCenter() = default;

QString UserNotificationCenter::defaultStoragePath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return QDir(dir).filePath(QStringLiteral("notifications.json"));
}

QCoro::Task<bool> UserNotificationCenter::requestAuthorization(AuthorizationOptions options)
{
    QPointer guard(this);
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(methodCall(QStringLiteral("GetCapabilities")), probeTimeoutMs);
    const QDBusMessage reply = co_await call;
    const bool granted = reply.type() == QDBusMessage::ReplyMessage;
    if (!granted)
        qCInfo(lcNotifications) << "no notification service:" << reply.errorName();
    if (!guard)
        co_return granted;

    const AuthorizationStatus status = granted ? AuthorizationStatus::Authorized : AuthorizationStatus::Denied;
    const AuthorizationOptions recorded = granted ? options : AuthorizationOptions();
    if (status != m_status || recorded != m_options) {
        m_status = status;
        m_options = recorded;
        save();
        Q_EMIT authorizationStatusChanged();
    }
    co_return granted;
}

QCoro::Task<Result<void>> UserNotificationCenter::add(NotificationRequest request)
{
    if (request.identifier.isEmpty() || !(request.timeInterval > 0))
        co_return failure(QStringLiteral("Уведомление без идентификатора или срока"));
    const QDateTime fireDate = m_clock->now().addMSecs(qint64(std::min(request.timeInterval, 1e12) * 1000.0));
    if (!JsonFields::isStorableDate(fireDate))
        co_return failure(QStringLiteral("Срок уведомления вне допустимого диапазона"));

    const QList<Pending> before = m_pending;
    m_pending.removeIf([&](const Pending &pending) { return pending.request.identifier == request.identifier; });
    m_pending.append({request, fireDate});
    if (!save()) {
        m_pending = before;
        co_return failure(QStringLiteral("Не удалось сохранить уведомление"));
    }
    reschedule();
    co_return {};
}

void UserNotificationCenter::removePendingNotificationRequests(const QStringList &identifiers)
{
    const auto removed = m_pending.removeIf([&](const Pending &pending) { return identifiers.contains(pending.request.identifier); });
    if (removed == 0)
        return;
    save();
    reschedule();
}

void UserNotificationCenter::removeDeliveredNotifications(const QStringList &identifiers)
{
    bool changed = false;
    for (const QString &identifier : identifiers) {
        if (m_showing.contains(identifier))
            m_closeWhenShown.insert(identifier);
        const auto shown = m_delivered.constFind(identifier);
        if (shown == m_delivered.cend())
            continue;
        close(*shown);
        m_delivered.erase(shown);
        changed = true;
    }
    if (changed)
        save();
}

QList<NotificationRequest> UserNotificationCenter::pendingNotificationRequests() const
{
    QList<NotificationRequest> requests;
    for (const Pending &pending : m_pending)
        requests.append(pending.request);
    return requests;
}

QDateTime UserNotificationCenter::nextTriggerDate(const QString &identifier) const
{
    for (const Pending &pending : m_pending) {
        if (pending.request.identifier == identifier)
            return pending.fireDate;
    }
    return {};
}

QStringList UserNotificationCenter::deliveredNotificationIdentifiers() const
{
    return m_delivered.keys();
}

void UserNotificationCenter::reschedule()
{
    if (m_pending.isEmpty()) {
        m_timer.stop();
        return;
    }
    const auto earliest = std::min_element(m_pending.cbegin(), m_pending.cend(),
                                           [](const Pending &a, const Pending &b) { return a.fireDate < b.fireDate; });
    const qint64 wait = std::clamp(m_clock->now().msecsTo(earliest->fireDate), qint64(0), longestWaitMs);
    m_timer.start(int(wait));
}

void UserNotificationCenter::deliverDueRequests()
{
    const QDateTime now = m_clock->now();
    QList<NotificationRequest> due;
    m_pending.removeIf([&](const Pending &pending) {
        if (pending.fireDate > now)
            return false;
        due.append(pending.request);
        return true;
    });
    if (!due.isEmpty())
        save();
    for (const NotificationRequest &request : due)
        show(request);
    reschedule();
}

QCoro::Task<> UserNotificationCenter::show(NotificationRequest request)
{
    QPointer guard(this);
    // A notification shown earlier under the same identifier is replaced, not stacked.
    const uint replaces = m_delivered.value(request.identifier, 0);
    QVariantMap hints;
    if (!request.defaultSound)
        hints.insert(QStringLiteral("suppress-sound"), true);
    QDBusMessage message = methodCall(QStringLiteral("Notify"));
    message << appName << replaces << QString() << request.title << request.body << QStringList() << hints << -1;

    m_showing.insert(request.identifier);
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(message);
    const QDBusMessage reply = co_await call;
    if (!guard)
        co_return;
    m_showing.remove(request.identifier);
    const bool closeNow = m_closeWhenShown.remove(request.identifier);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCWarning(lcNotifications) << "notification not shown:" << request.identifier << reply.errorName();
        co_return;
    }
    const uint serverId = reply.arguments().constFirst().toUInt();
    if (closeNow) {
        close(serverId);
        m_delivered.remove(request.identifier);
    } else {
        m_delivered.insert(request.identifier, serverId);
    }
    save();
}

void UserNotificationCenter::close(uint serverId)
{
    QDBusMessage message = methodCall(QStringLiteral("CloseNotification"));
    message << serverId;
    // No answer is needed; a notification the user already dismissed is simply gone.
    QDBusConnection::sessionBus().send(message);
}

void UserNotificationCenter::load()
{
    QFile file(m_storagePath);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(lcNotifications) << "cannot read" << m_storagePath << file.errorString();
        return;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        // Start afresh; the damaged file is replaced at the next change.
        qCWarning(lcNotifications) << "ignoring damaged" << m_storagePath << error.errorString();
        return;
    }
    const QJsonObject root = document.object();

    const QJsonObject authorization = root.value(QStringLiteral("authorization")).toObject();
    const int status = authorization.value(QStringLiteral("status")).toInt();
    if (status == int(AuthorizationStatus::Denied) || status == int(AuthorizationStatus::Authorized))
        m_status = AuthorizationStatus(status);
    m_options = AuthorizationOptions(authorization.value(QStringLiteral("options")).toInt() & (Badge | Sound | Alert));

    // Entries are read one by one: a damaged entry is dropped, the others kept.
    for (const QJsonValue &value : root.value(QStringLiteral("pending")).toArray()) {
        const QJsonObject object = value.toObject();
        Pending pending;
        pending.request.identifier = object.value(QStringLiteral("identifier")).toString();
        pending.request.title = object.value(QStringLiteral("title")).toString();
        pending.request.body = object.value(QStringLiteral("body")).toString();
        pending.request.defaultSound = object.value(QStringLiteral("defaultSound")).toBool();
        pending.request.threadIdentifier = object.value(QStringLiteral("threadIdentifier")).toString();
        pending.request.timeInterval = object.value(QStringLiteral("timeInterval")).toDouble();
        const QJsonValue fireDate = object.value(QStringLiteral("fireDate"));
        const auto due = JsonFields::dateFromReferenceSeconds(fireDate.toDouble(std::nan("")));
        if (pending.request.identifier.isEmpty() || !fireDate.isDouble() || !due)
            continue;
        pending.fireDate = *due;
        m_pending.removeIf([&](const Pending &other) { return other.request.identifier == pending.request.identifier; });
        m_pending.append(pending);
    }
    for (const QJsonValue &value : root.value(QStringLiteral("delivered")).toArray()) {
        const QJsonObject object = value.toObject();
        const QString identifier = object.value(QStringLiteral("identifier")).toString();
        const qint64 serverId = object.value(QStringLiteral("serverId")).toInteger(-1);
        if (!identifier.isEmpty() && serverId > 0 && serverId <= std::numeric_limits<uint>::max())
            m_delivered.insert(identifier, uint(serverId));
    }
}

QJsonObject UserNotificationCenter::toJson() const
{
    QJsonArray pending;
    for (const Pending &entry : m_pending) {
        pending.append(QJsonObject{
            {QStringLiteral("identifier"), entry.request.identifier},
            {QStringLiteral("title"), entry.request.title},
            {QStringLiteral("body"), entry.request.body},
            {QStringLiteral("defaultSound"), entry.request.defaultSound},
            {QStringLiteral("threadIdentifier"), entry.request.threadIdentifier},
            {QStringLiteral("timeInterval"), entry.request.timeInterval},
            {QStringLiteral("fireDate"), double(referenceDate.msecsTo(entry.fireDate)) / 1000.0},
        });
    }
    QJsonArray delivered;
    for (auto it = m_delivered.cbegin(); it != m_delivered.cend(); ++it)
        delivered.append(QJsonObject{{QStringLiteral("identifier"), it.key()}, {QStringLiteral("serverId"), qint64(it.value())}});
    return {
        {QStringLiteral("authorization"),
         QJsonObject{{QStringLiteral("status"), int(m_status)}, {QStringLiteral("options"), int(m_options.toInt())}}},
        {QStringLiteral("pending"), pending},
        {QStringLiteral("delivered"), delivered},
    };
}

bool UserNotificationCenter::save() const
{
    const QFileInfo info(m_storagePath);
    if (!PrivateFiles::makeFolders(info.absolutePath())) {
        qCWarning(lcNotifications) << "cannot create" << info.absolutePath();
        return false;
    }
    const QByteArray json = QJsonDocument(toJson()).toJson(QJsonDocument::Compact);
    if (json.size() > maxStorageBytes) {
        qCWarning(lcNotifications) << "not writing" << json.size() << "bytes of notifications";
        return false;
    }
    QSaveFile file(m_storagePath);
    // The new file is owner-only before a byte is in it; the rename keeps that.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(json) < 0 || !file.commit()) {
        qCWarning(lcNotifications) << "cannot write" << m_storagePath << file.errorString();
        return false;
    }
    return true;
}
