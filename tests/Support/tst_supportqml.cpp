#include "accessiblekit.h"
#include "fakeurlopener.h"
#include "fakeofficegeocoder.h"
#include "quicktestsetup.h"
#include "supportchatsingleton.h"
#include "supportchatstore.h"
#include "supportmap.h"
#include "tarviktilecache.h"
#include "urlopenersingleton.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QStandardPaths>

// What the support screen's QML tests observe and set up: the office lookups, the addresses
// handed on, and a history of given messages.
class SupportTestControl : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int geocodeCount READ geocodeCount)
    // Whether the geocoder finds the office (it does unless told).
    Q_PROPERTY(bool officeFound READ officeFound WRITE setOfficeFound)
    Q_PROPERTY(QStringList openedUrls READ openedUrls)

public:
    SupportTestControl(FakeOfficeGeocoder *geocoder, FakeUrlOpener *opener, SupportChatStore *chat)
        : m_geocoder(geocoder)
        , m_opener(opener)
        , m_chat(chat)
    {
    }
    int geocodeCount() const { return m_geocoder->requestCount; }
    bool officeFound() const { return m_geocoder->answer.has_value(); }
    void setOfficeFound(bool found)
    {
        m_geocoder->answer = found ? std::optional(WebMercator::Coordinate{55.76, 37.62}) : std::nullopt;
    }
    QStringList openedUrls() const { return m_opener->requestedUrls(); }

    // Replaces the history with `texts`, the assistant's and the subscriber's in turn.
    Q_INVOKABLE void fillChat(const QStringList &texts)
    {
        m_chat->ensureLoaded();
        while (m_chat->count() > 0)
            m_chat->remove(m_chat->messages().first().id);
        for (qsizetype i = 0; i < texts.size(); ++i)
            m_chat->append({.id = QUuid::createUuid(), .text = texts.at(i), .outgoing = i % 2 == 1, .sentAt = m_chat->now()});
    }

    // What the accessibility interface of `item` tells a screen reader.
    Q_INVOKABLE QVariantMap accessibility(QQuickItem *item) const
    {
        // Offscreen, Qt never turns accessibility on itself: the controls made so far take part
        // as they do when a screen reader starts.
        QAccessible::setActive(true);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(item);
        if (!node)
            return {};
        QAccessibleActionInterface *actions = node->actionInterface();
        return {
            {QStringLiteral("name"), node->text(QAccessible::Name)},
            {QStringLiteral("role"), int(node->role())},
            {QStringLiteral("disabled"), bool(node->state().disabled)},
            {QStringLiteral("actions"), actions ? actions->actionNames() : QStringList()},
            {QStringLiteral("parented"), node->parent() != nullptr && node->parent()->indexOfChild(node) >= 0},
        };
    }
    Q_INVOKABLE void doAccessibleAction(QQuickItem *item, const QString &action)
    {
        if (QAccessibleInterface *node = QAccessible::queryAccessibleInterface(item); node && node->actionInterface())
            node->actionInterface()->doAction(action);
    }
    Q_INVOKABLE QString clipboardText() const { return QGuiApplication::clipboard()->text(); }

private:
    FakeOfficeGeocoder *m_geocoder;
    FakeUrlOpener *m_opener;
    SupportChatStore *m_chat;
};

// The support screen with a history kept in memory, a geocoder that answers at once, no tile
// server and an opener that knows no application (so telephone links are not taken).
class SupportQmlSetup : public TarvikQuickTestSetup
{
    Q_OBJECT

protected:
    void prepareEngine(QQmlEngine *engine) override
    {
        QStandardPaths::setTestModeEnabled(true);
        // As with a screen reader running: Qt Quick builds its accessible items.
        QAccessible::setActive(true);
        if (!m_map) {
            AccessibleKit::install();
            m_geocoder.answer = WebMercator::Coordinate{55.76, 37.62};
            m_tiles = std::make_unique<TarvikTileCache>(QString(), nullptr);
            m_map = std::make_unique<SupportMap>(m_tiles.get(), &m_geocoder, QStringLiteral("Тайлы: тест"));
            SupportMap::setInstance(m_map.get());
            UrlOpenerSingleton::setInstance(&m_opener);
            m_chat = std::make_unique<SupportChatStore>(nullptr);
            SupportChatSingleton::setInstance(m_chat.get());
        }
        m_control = std::make_unique<SupportTestControl>(&m_geocoder, &m_opener, m_chat.get());
        QJSEngine::setObjectOwnership(m_control.get(), QJSEngine::CppOwnership);
        qmlRegisterSingletonInstance("TarvikTest", 1, 0, "SupportTest", m_control.get());
        // As in the app, whose engine has no incubation controller: every delegate is made at once.
        engine->setIncubationController(nullptr);
    }

private:
    FakeOfficeGeocoder m_geocoder;
    FakeUrlOpener m_opener;
    std::unique_ptr<TarvikTileCache> m_tiles;
    std::unique_ptr<SupportMap> m_map;
    std::unique_ptr<SupportChatStore> m_chat;
    std::unique_ptr<SupportTestControl> m_control;
};

TARVIK_QUICK_TEST_MAIN(tst_supportqml, SupportQmlSetup)
#include "tst_supportqml.moc"
