#include "profilephotopicker.h"

#include "avatarimage.h"
#include "boundedpicture.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QThreadPool>

Q_LOGGING_CATEGORY(lcPhotoPicker, "tarvik.photopicker", QtWarningMsg)

namespace
{
const QString portalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// One rule of a chooser filter: 0 a glob pattern, 1 a MIME type.
struct FilterRule {
    uint kind = 0;
    QString pattern;
};

// A named filter of the portal's file chooser, (sa(us)) on the bus.
struct FileFilter {
    QString name;
    QList<FilterRule> rules;
};

QDBusArgument &operator<<(QDBusArgument &argument, const FilterRule &rule)
{
    argument.beginStructure();
    argument << rule.kind << rule.pattern;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, FilterRule &rule)
{
    argument.beginStructure();
    argument >> rule.kind >> rule.pattern;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const FileFilter &filter)
{
    argument.beginStructure();
    argument << filter.name << filter.rules;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, FileFilter &filter)
{
    argument.beginStructure();
    argument >> filter.name >> filter.rules;
    argument.endStructure();
    return argument;
}
} // namespace

Q_DECLARE_METATYPE(FilterRule)
Q_DECLARE_METATYPE(FileFilter)

ProfilePhotoPicker::Coordinator::Coordinator(std::function<void(const QImage &)> onImagePicked, std::function<void()> dismiss)
    : m_onImagePicked(std::move(onImagePicked))
    , m_dismiss(std::move(dismiss))
    , m_alive(std::make_unique<QObject>())
{
}

ProfilePhotoPicker::Coordinator::~Coordinator() = default;

void ProfilePhotoPicker::Coordinator::didFinishPicking(const QList<QUrl> &results)
{
    if (m_dismiss)
        m_dismiss();
    if (results.isEmpty() || !results.first().isLocalFile())
        return;
    const QString path = results.first().toLocalFile();
    // The guard is only read on the main thread, where the coordinator is destroyed.
    QPointer<QObject> alive(m_alive.get());
    std::function<void(const QImage &)> deliver = m_onImagePicked;
    QThreadPool::globalInstance()->start([path, alive, deliver] {
        const QImage image = load(path);
        if (image.isNull())
            return;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, deliver, image] {
                if (alive && deliver)
                    deliver(image);
            },
            Qt::QueuedConnection);
    });
}

QImage ProfilePhotoPicker::Coordinator::load(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || file.size() > maximumFileSize || !file.open(QIODevice::ReadOnly))
        return {};
    return BoundedPicture::decode(&file, QSize(AvatarImage::decodedSide, AvatarImage::decodedSide), BoundedPicture::Fit::Cover);
}

ProfilePhotoPicker::ProfilePhotoPicker(QObject *parent)
    : QObject(parent)
    , m_portalService(QStringLiteral("org.freedesktop.portal.Desktop"))
    , m_coordinator(std::make_unique<Coordinator>([this](const QImage &image) { Q_EMIT imagePicked(image); },
                                                  [this] { setPresented(false); }))
{
    qDBusRegisterMetaType<FilterRule>();
    qDBusRegisterMetaType<QList<FilterRule>>();
    qDBusRegisterMetaType<FileFilter>();
    qDBusRegisterMetaType<QList<FileFilter>>();
}

ProfilePhotoPicker::~ProfilePhotoPicker()
{
    stopListening();
}

void ProfilePhotoPicker::setPresented(bool presented)
{
    if (m_presented == presented)
        return;
    m_presented = presented;
    if (presented) {
        openChooser();
    } else if (!m_requestPath.isEmpty()) {
        // Closed from outside while the chooser is up: close the chooser too.
        QDBusConnection::sessionBus().asyncCall(
            QDBusMessage::createMethodCall(m_portalService, m_requestPath, requestInterface, QStringLiteral("Close")));
        stopListening();
    }
    Q_EMIT presentedChanged();
}

void ProfilePhotoPicker::openChooser()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // From the event loop: the caller's own change of `presented` ends first.
        QMetaObject::invokeMethod(this, [this] { finish({}); }, Qt::QueuedConnection);
        return;
    }
    // The answer comes as a signal on a request object whose path follows from our bus name and
    // a token of ours: listen before asking, so that no answer is missed.
    const QString token = QStringLiteral("tarvikphoto%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    m_requestPath = QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
    bus.connect(m_portalService, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                SLOT(portalResponse(uint, QVariantMap)));

    const QList<FileFilter> filters{{QStringLiteral("Изображения"), {{1, QStringLiteral("image/*")}}}};
    const QVariantMap options{
        {QStringLiteral("handle_token"), token},
        {QStringLiteral("modal"), true},
        {QStringLiteral("multiple"), false},
        {QStringLiteral("filters"), QVariant::fromValue(filters)},
        {QStringLiteral("current_filter"), QVariant::fromValue(filters.first())},
    };
    QDBusMessage call = QDBusMessage::createMethodCall(m_portalService, portalPath, QStringLiteral("org.freedesktop.portal.FileChooser"),
                                                       QStringLiteral("OpenFile"));
    call << QString() << QStringLiteral("Фото профиля") << options;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, asked = m_requestPath] {
        watcher->deleteLater();
        if (m_requestPath != asked)
            return;
        const QDBusPendingReply<QDBusObjectPath> handle = *watcher;
        if (handle.isError()) {
            qCInfo(lcPhotoPicker) << "no file chooser:" << handle.error().message();
            stopListening();
            finish({});
            return;
        }
        // An older portal answers on a path of its own choosing.
        const QString path = handle.value().path();
        if (path != m_requestPath) {
            stopListening();
            m_requestPath = path;
            QDBusConnection::sessionBus().connect(m_portalService, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                                                  SLOT(portalResponse(uint, QVariantMap)));
        }
    });
}

void ProfilePhotoPicker::portalResponse(uint code, const QVariantMap &results)
{
    // Answers already on their way when the request ended (one taken, or the chooser closed from
    // here) are not taken.
    if (m_requestPath.isEmpty())
        return;
    stopListening();
    // 0: chosen; 1: cancelled; 2: failed.
    QList<QUrl> picked;
    if (code == 0) {
        for (const QString &uri : results.value(QStringLiteral("uris")).toStringList())
            picked.append(QUrl(uri));
    }
    finish(picked);
}

void ProfilePhotoPicker::stopListening()
{
    if (m_requestPath.isEmpty())
        return;
    QDBusConnection::sessionBus().disconnect(m_portalService, m_requestPath, requestInterface, QStringLiteral("Response"), this,
                                             SLOT(portalResponse(uint, QVariantMap)));
    m_requestPath.clear();
}

void ProfilePhotoPicker::finish(const QList<QUrl> &results)
{
    m_coordinator->didFinishPicking(results);
}
