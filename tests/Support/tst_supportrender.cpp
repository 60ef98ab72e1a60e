#include "networkaccess.h"
#include "httpsofficegeocoder.h"
#include "qmlrender.h"
#include "standinfixture.h"
#include "supportchatmessage.h"
#include "supportchatsingleton.h"
#include "supportchatstore.h"
#include "supportmap.h"
#include "tarviktilecache.h"
#include "userdefaults.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
QByteArray screenDocument()
{
    return QByteArrayLiteral("import QtQuick\n"
                             "import Tarvik.Design\n"
                             "import Tarvik.Support\n"
                             "NavigationStack {\n"
                             "    property int selectedTab: ShellTab.Support\n"
                             "    id: stack\n"
                             "    initialItem: SupportView { tabHost: stack }\n"
                             "    function showOffice() { currentItem.section = 1 }\n"
                             "    function replyToLast() { currentItem.conversation.beginReply(SupportChat.get(SupportChat.count - 1).messageId) }\n"
                             "    function showInfo() { currentItem.infoMessage = SupportChat.get(1) }\n"
                             "    function scrollToTop() { currentItem.messageList.userScrolled = true; currentItem.messageList.positionViewAtBeginning() }\n"
                             "    function scrollToEnd() { currentItem.messageList.jumpToEnd() }\n"
                             "    function typeLongDraft() { currentItem.conversation.draft = 'Роутер перезагружал трижды, индикатор WAN не горит, кабель проверил, что ещё сделать?' }\n"
                             "}\n");
}

SupportChatMessage message(QString text, bool outgoing, double sentAt)
{
    return {.id = QUuid::createUuid(), .text = std::move(text), .outgoing = outgoing, .sentAt = sentAt};
}

// A conversation with the forms a chat shows: both sides, a quote, formatting, a number and an
// address with their buttons, a pinned, an edited, a read and a rated message.
QList<SupportChatMessage> conversation()
{
    const double t = 818244000; // 2026-12-07 morning
    QList<SupportChatMessage> messages;
    messages.append(message(QString::fromUtf16(SupportChatCodec::greeting), false, t));
    SupportChatMessage asked = message(QStringLiteral("Не работает *интернет* с утра, роутер ~перезагружал~."), true, t + 60);
    asked.readAt = t + 61;
    asked.editedAt = t + 90;
    messages.append(asked);
    SupportChatMessage answer = message(QStringLiteral("Проверьте кабель:\n"
                                                       "1. Выключите роутер\n"
                                                       "2. Подождите `30 секунд`\n"
                                                       "- индикатор **WAN** должен гореть\n"
                                                       "> Если не помогло — звоните +7 (495) 318-42-77\n"
                                                       "```\nping 8.8.8.8\n```\n"
                                                       "Подробнее: https://tarvik.ru/help. <b>не разметка</b>"),
                                        false, t + 62);
    answer.reaction = SupportChatReaction::Like;
    answer.pinned = true;
    messages.append(answer);
    SupportChatMessage reply = message(QStringLiteral("Спасибо, помогло!"), true, t + 120);
    reply.replyTo = SupportChatReply{QStringLiteral("Мария"), QStringLiteral("Проверьте кабель: выключите роутер и подождите")};
    messages.append(reply);
    return messages;
}
} // namespace

// Renders the support screen; each PNG lands in <build>/screenshots/support-*.png.
class SupportRenderTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<StandinSite> m_site;
    std::unique_ptr<NetworkAccess> m_network;
    std::unique_ptr<UserDefaults> m_defaults;
    std::unique_ptr<SupportChatStore> m_store;
    std::unique_ptr<TarvikTileCache> m_tiles;
    std::unique_ptr<HttpsOfficeGeocoder> m_geocoder;
    std::unique_ptr<SupportMap> m_map;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_site = startStandin();
        QVERIFY(m_site);
        m_network = std::make_unique<NetworkAccess>(m_site->caFile());
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults.ini")));
        m_defaults->setValue(Defaults::supportChatMessages, SupportChatCodec::encode(conversation()));
        m_store = std::make_unique<SupportChatStore>(m_defaults.get());
        SupportChatSingleton::setInstance(m_store.get());
        const QString origin = m_site->baseUrl().toString(QUrl::RemovePath);
        m_tiles = std::make_unique<TarvikTileCache>(origin + QStringLiteral("/tiles/{z}/{x}/{y}.png"), m_network.get(),
                                                    m_dir.filePath(QStringLiteral("tiles")));
        m_geocoder = std::make_unique<HttpsOfficeGeocoder>(QUrl(origin + QStringLiteral("/geocode")), m_network.get());
        m_map = std::make_unique<SupportMap>(m_tiles.get(), m_geocoder.get(), QStringLiteral("Тайлы: стенд Tarvik"));
        SupportMap::setInstance(m_map.get());
    }

    void cleanupTestCase()
    {
        m_map.reset();
        m_geocoder.reset();
        m_tiles.reset();
        m_network.reset();
        m_site.reset();
    }

    void renders_data()
    {
        QTest::addColumn<QString>("interaction");
        QTest::newRow("chat") << QStringLiteral("scrollToTop");
        QTest::newRow("end") << QStringLiteral("scrollToEnd");
        QTest::newRow("reply") << QStringLiteral("replyToLast");
        QTest::newRow("info") << QStringLiteral("showInfo");
        QTest::newRow("long-draft") << QStringLiteral("typeLongDraft");
    }

    void renders()
    {
        QFETCH(QString, interaction);
        QmlRenderOptions options;
        if (!interaction.isEmpty()) {
            options.interact = [&](QQuickWindow *, QObject *root) {
                QVERIFY(QMetaObject::invokeMethod(root, qPrintable(interaction)));
                // Typed text ends at the cursor: the field scrolls to it.
                if (auto *field = root->findChild<QQuickItem *>(QStringLiteral("composerField")))
                    field->setProperty("cursorPosition", field->property("length"));
            };
        }
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("support-") + QString::fromLatin1(QTest::currentDataTag()), screenDocument(), options));
    }

    // The office section over the stand-in's tiles, once the geocoder has answered and the map has
    // moved there.
    void rendersTheOffice()
    {
        QmlRenderOptions options;
        options.interact = [&](QQuickWindow *, QObject *root) {
            QVERIFY(QMetaObject::invokeMethod(root, "showOffice"));
            QTRY_COMPARE_WITH_TIMEOUT(m_site->requestKeys().count(QStringLiteral("/geocode")), 1, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(m_tiles->requestedKeys().size() >= 6, 10000);
            auto *map = root->findChild<QQuickItem *>(QStringLiteral("officeMap"));
            QVERIFY(map);
            auto *layout = map->property("layout").value<QObject *>();
            QVERIFY(layout);
            // Every visible tile arrived.
            QTRY_VERIFY_WITH_TIMEOUT(layout->property("tiles").value<QAbstractItemModel *>()->rowCount() >= 6, 10000);
            auto *attribution = map->findChild<QQuickItem *>(QStringLiteral("mapAttribution"));
            QVERIFY(attribution);
            QCOMPARE(attribution->property("text").toString(), QStringLiteral("Тайлы: стенд Tarvik"));
        };
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("support-office"), screenDocument(), options));
    }
};

QTEST_MAIN(SupportRenderTest)
#include "tst_supportrender.moc"
