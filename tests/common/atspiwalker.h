#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAccessibleInterface;
class AtspiEventRecorder;

// This process's windows as a screen reader reads them: over the accessibility bus (AT-SPI over
// D-Bus), from a connection of its own, asking the names Qt's bridge gives this process there. The
// bridge answers on this thread, so every call is sent without blocking and waited for by running
// the event loop. Needs Qt's bridge on (scripts/with-accessibility-bus.sh).
class AtspiWalker
{
public:
    // An object on the bus: the bus name that serves it and its path.
    struct Node {
        QString service;
        QString path;
        bool isNull() const { return service.isEmpty() || path.isEmpty(); }
        friend bool operator==(const Node &, const Node &) = default;
    };

    // A signal the bridge sent about a node: its member ("TextChanged", "TextCaretMoved"), the
    // detail ("insert", "delete"), the two numbers and the data that come with it.
    struct Event {
        Node node;
        QString member;
        QString detail;
        int detail1 = 0;
        int detail2 = 0;
        QVariant data;
    };

    AtspiWalker();
    ~AtspiWalker();

    // Waits for Qt's bridge to join the accessibility bus and connects to that bus; false, with
    // errorString(), when either does not happen.
    bool connect();
    QString errorString() const { return m_error; }

    // The application object (its children are the windows) and the node of an interface of this
    // process.
    Node application() const;
    Node node(QAccessibleInterface *interface) const;

    QList<Node> children(const Node &node);
    // The role as the bridge names it ("page tab list", "push button").
    QString role(const Node &node);
    QString name(const Node &node);
    QString description(const Node &node);
    // The names of the states set ("focusable", "selected", "showing").
    QStringList states(const Node &node);
    int indexInParent(const Node &node);
    Node parent(const Node &node);
    // Carries out the node's action of that name ("Press"), as a screen reader does; false when the
    // node has none.
    bool doAction(const Node &node, const QString &action);

    // Every node under `node` (itself included), depth first, with its depth below `node`;
    // `visitor` answers false to leave a node's children out.
    void walk(const Node &node, const std::function<bool(const Node &, int)> &visitor);
    // The nodes under `from` of that role and name (an empty name matches any), depth first.
    QList<Node> find(const Node &from, const QString &role, const QString &name = {});
    // One line a node: role, name in quotes, states; a node whose parent gives it another index
    // than its place among the parent's children says so. Children indented under their parent.
    QString dump(const Node &from);

    // Asks the registry for the events of a kind ("object:text-changed"), as a screen reader does
    // (the bridge sends only those some listener asked for), and records the ones of this process
    // from then on, in events(). The bridge hears of the listener a moment later.
    bool listen(const QString &event);
    QList<Event> events() const;
    void clearEvents();

private:
    QDBusMessage call(const Node &node, const QString &interface, const QString &method, const QVariantList &arguments = {});
    QVariant property(const Node &node, const QString &name);

    QDBusConnection m_bus;
    QString m_connectionName;
    QString m_appService;
    QString m_error;
    std::unique_ptr<AtspiEventRecorder> m_recorder;
};
