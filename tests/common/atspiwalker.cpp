#include "atspiwalker.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

// Receives the bridge's event signals on the walker's connection.
class AtspiEventRecorder : public QObject
{
    Q_OBJECT

public:
    QList<AtspiWalker::Event> events;

public Q_SLOTS:
    void receive(const QDBusMessage &message)
    {
        const QVariantList arguments = message.arguments();
        AtspiWalker::Event event;
        event.node = {message.service(), message.path()};
        event.member = message.member();
        event.detail = arguments.value(0).toString();
        event.detail1 = arguments.value(1).toInt();
        event.detail2 = arguments.value(2).toInt();
        event.data = arguments.value(3).value<QDBusVariant>().variant();
        events.append(event);
    }
};

namespace
{
const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString objectPrefix = QStringLiteral("/org/a11y/atspi/accessible/");
// The bridge's own connection to the accessibility bus, named so by Qt.
const QString bridgeConnection = QStringLiteral("a11y");

// AT-SPI's states, in the order of their bits.
const QStringList stateNames{
    QStringLiteral("invalid"),      QStringLiteral("active"),       QStringLiteral("armed"),
    QStringLiteral("busy"),         QStringLiteral("checked"),      QStringLiteral("collapsed"),
    QStringLiteral("defunct"),      QStringLiteral("editable"),     QStringLiteral("enabled"),
    QStringLiteral("expandable"),   QStringLiteral("expanded"),     QStringLiteral("focusable"),
    QStringLiteral("focused"),      QStringLiteral("has-tooltip"),  QStringLiteral("horizontal"),
    QStringLiteral("iconified"),    QStringLiteral("modal"),        QStringLiteral("multi-line"),
    QStringLiteral("multiselectable"), QStringLiteral("opaque"),    QStringLiteral("pressed"),
    QStringLiteral("resizable"),    QStringLiteral("selectable"),   QStringLiteral("selected"),
    QStringLiteral("sensitive"),    QStringLiteral("showing"),      QStringLiteral("single-line"),
    QStringLiteral("stale"),        QStringLiteral("transient"),    QStringLiteral("vertical"),
    QStringLiteral("visible"),      QStringLiteral("manages-descendants"), QStringLiteral("indeterminate"),
    QStringLiteral("required"),     QStringLiteral("truncated"),    QStringLiteral("animated"),
    QStringLiteral("invalid-entry"), QStringLiteral("supports-autocompletion"), QStringLiteral("selectable-text"),
    QStringLiteral("is-default"),   QStringLiteral("visited"),      QStringLiteral("checkable"),
    QStringLiteral("has-popup"),    QStringLiteral("read-only"),
};

AtspiWalker::Node readReference(const QDBusArgument &argument)
{
    AtspiWalker::Node node;
    QDBusObjectPath path;
    argument.beginStructure();
    argument >> node.service >> path;
    argument.endStructure();
    node.path = path.path();
    return node;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('\n'), QLatin1String("\\n")) + QLatin1Char('"');
}
} // namespace

AtspiWalker::AtspiWalker()
    : m_bus(QString())
    , m_connectionName(QStringLiteral("atspi-walker-%1").arg(quintptr(this), 0, 16))
{
}

AtspiWalker::~AtspiWalker()
{
    if (m_recorder)
        m_bus.disconnect(m_appService, QString(), QStringLiteral("org.a11y.atspi.Event.Object"), QString(), m_recorder.get(),
                         SLOT(receive(QDBusMessage)));
    QDBusConnection::disconnectFromBus(m_connectionName);
}

bool AtspiWalker::connect()
{
    const bool joined = QTest::qWaitFor([] { return QAccessible::isActive() && QDBusConnection(bridgeConnection).isConnected(); }, 10000);
    if (!joined) {
        m_error = QStringLiteral("Qt's accessibility bridge is not on the accessibility bus");
        return false;
    }
    m_appService = QDBusConnection(bridgeConnection).baseService();

    QString address = qEnvironmentVariable("AT_SPI_BUS_ADDRESS");
    if (address.isEmpty()) {
        const QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                                QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
        const QDBusReply<QString> reply = QDBusConnection::sessionBus().call(ask, QDBus::Block, 10000);
        if (!reply.isValid()) {
            m_error = QStringLiteral("no accessibility bus: ") + reply.error().message();
            return false;
        }
        address = reply.value();
    }
    m_bus = QDBusConnection::connectToBus(address, m_connectionName);
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("could not connect to the accessibility bus: ") + m_bus.lastError().message();
        return false;
    }
    return true;
}

AtspiWalker::Node AtspiWalker::application() const
{
    return {m_appService, objectPrefix + QStringLiteral("root")};
}

AtspiWalker::Node AtspiWalker::node(QAccessibleInterface *interface) const
{
    // The bridge names an object by its interface's id; the application is the root.
    if (!interface)
        return {};
    if (interface->role() == QAccessible::Application)
        return application();
    return {m_appService, objectPrefix + QString::number(QAccessible::uniqueId(interface))};
}

QDBusMessage AtspiWalker::call(const Node &node, const QString &interface, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(node.service, node.path, interface, method);
    message.setArguments(arguments);
    // A loop of its own, left as soon as the answer is in: the bridge answers from this thread's
    // events, which the loop runs.
    const QDBusPendingCall pending = m_bus.asyncCall(message, 10000);
    QDBusPendingCallWatcher watcher(pending);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(12000, &loop, &QEventLoop::quit);
    if (!watcher.isFinished())
        loop.exec();
    if (!watcher.isFinished())
        return message.createErrorReply(QDBusError::Timeout, QStringLiteral("no answer"));
    return watcher.reply();
}

QVariant AtspiWalker::property(const Node &node, const QString &name)
{
    const QDBusMessage reply = call(node, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"), {accessibleInterface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().constFirst().value<QDBusVariant>().variant();
}

QList<AtspiWalker::Node> AtspiWalker::children(const Node &node)
{
    QList<Node> found;
    const QDBusMessage reply = call(node, accessibleInterface, QStringLiteral("GetChildren"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return found;
    const auto argument = reply.arguments().constFirst().value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd())
        found.append(readReference(argument));
    argument.endArray();
    return found;
}

QString AtspiWalker::role(const Node &node)
{
    const QDBusMessage reply = call(node, accessibleInterface, QStringLiteral("GetRoleName"));
    return reply.arguments().value(0).toString();
}

QString AtspiWalker::name(const Node &node)
{
    return property(node, QStringLiteral("Name")).toString();
}

QString AtspiWalker::description(const Node &node)
{
    return property(node, QStringLiteral("Description")).toString();
}

QStringList AtspiWalker::states(const Node &node)
{
    QStringList set;
    const QDBusMessage reply = call(node, accessibleInterface, QStringLiteral("GetState"));
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return set;
    QList<uint> words;
    reply.arguments().constFirst().value<QDBusArgument>() >> words;
    for (qsizetype bit = 0; bit < stateNames.size(); ++bit) {
        const qsizetype word = bit / 32;
        if (word < words.size() && (words.at(word) >> (bit % 32)) & 1u)
            set.append(stateNames.at(bit));
    }
    return set;
}

int AtspiWalker::indexInParent(const Node &node)
{
    const QDBusMessage reply = call(node, accessibleInterface, QStringLiteral("GetIndexInParent"));
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toInt() : -2;
}

AtspiWalker::Node AtspiWalker::parent(const Node &node)
{
    const QVariant value = property(node, QStringLiteral("Parent"));
    return value.canConvert<QDBusArgument>() ? readReference(value.value<QDBusArgument>()) : Node{};
}

bool AtspiWalker::doAction(const Node &node, const QString &action)
{
    const QString actions = QStringLiteral("org.a11y.atspi.Action");
    const QDBusMessage count = call(node, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                    {actions, QStringLiteral("NActions")});
    const int n = count.arguments().value(0).value<QDBusVariant>().variant().toInt();
    for (int i = 0; i < n; ++i) {
        if (call(node, actions, QStringLiteral("GetName"), {i}).arguments().value(0).toString() != action)
            continue;
        const QDBusMessage done = call(node, actions, QStringLiteral("DoAction"), {i});
        return done.type() == QDBusMessage::ReplyMessage && done.arguments().value(0).toBool();
    }
    return false;
}

void AtspiWalker::walk(const Node &node, const std::function<bool(const Node &, int)> &visitor)
{
    const std::function<void(const Node &, int)> visit = [&](const Node &at, int depth) {
        if (!visitor(at, depth))
            return;
        for (const Node &child : children(at))
            visit(child, depth + 1);
    };
    visit(node, 0);
}

QList<AtspiWalker::Node> AtspiWalker::find(const Node &from, const QString &role, const QString &name)
{
    QList<Node> found;
    walk(from, [&](const Node &node, int) {
        if (this->role(node) == role && (name.isEmpty() || this->name(node) == name))
            found.append(node);
        return true;
    });
    return found;
}

QString AtspiWalker::dump(const Node &from)
{
    QString text;
    const std::function<void(const Node &, int, int)> visit = [&](const Node &node, int depth, int place) {
        QString line = QString(2 * depth, QLatin1Char(' ')) + role(node) + QLatin1Char(' ') + quoted(name(node));
        const QStringList set = states(node);
        if (!set.isEmpty())
            line += QStringLiteral(" [") + set.join(QLatin1Char(' ')) + QLatin1Char(']');
        if (place >= 0) {
            const int told = indexInParent(node);
            if (told != place)
                line += QStringLiteral(" (index in parent %1, found at %2)").arg(told).arg(place);
        }
        text += line + QLatin1Char('\n');
        const QList<Node> below = children(node);
        for (qsizetype i = 0; i < below.size(); ++i)
            visit(below.at(i), depth + 1, int(i));
    };
    visit(from, 0, -1);
    return text;
}

bool AtspiWalker::listen(const QString &event)
{
    if (!m_recorder) {
        m_recorder = std::make_unique<AtspiEventRecorder>();
        if (!m_bus.connect(m_appService, QString(), QStringLiteral("org.a11y.atspi.Event.Object"), QString(), m_recorder.get(),
                           SLOT(receive(QDBusMessage)))) {
            m_error = QStringLiteral("cannot receive the bridge's events: ") + m_bus.lastError().message();
            return false;
        }
    }
    const Node registry{QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry")};
    const QDBusMessage reply = call(registry, QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"),
                                    {event, QStringList(), QString()});
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_error = QStringLiteral("the registry takes no listener: ") + reply.errorMessage();
        return false;
    }
    return true;
}

QList<AtspiWalker::Event> AtspiWalker::events() const
{
    return m_recorder ? m_recorder->events : QList<Event>();
}

void AtspiWalker::clearEvents()
{
    if (m_recorder)
        m_recorder->events.clear();
}

#include "atspiwalker.moc"
