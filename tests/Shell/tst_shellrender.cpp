#include "accountfixture.h"
#include "monotonicclock.h"
#include "qmlrender.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqml.h>

namespace
{
// The shell with the demo subscriber signed in, and a few steps a render can take on it.
QByteArray shellDocument()
{
    return QByteArrayLiteral("import QtQuick\n"
                             "import Tarvik.Shell\n"
                             "import TarvikTest\n"
                             "AppShell {\n"
                             "    function showPayments() { selectedTab = 1 }\n"
                             "    function showServices() { selectedTab = 2 }\n"
                             "    function showSupport() { selectedTab = 3 }\n"
                             "    function searchNothing() { selectedTab = 2; tabItem(2).hub.searchText = 'роуминг' }\n"
                             "    function openStory2() { openStory(2) }\n"
                             "    function freezeStory(index, fraction, dismiss) {\n"
                             "        openStory(index)\n"
                             "        const c = storyViewer.controller\n"
                             "        c.clock = FrozenClock\n"
                             "        c.shownDragOffset = fraction * c.cardWidth\n"
                             "        storyViewer.shownDismissOffset = dismiss\n"
                             "    }\n"
                             "    function turningLeft() { freezeStory(1, -0.45, 0) }\n"
                             "    function swipingDown() { freezeStory(0, 0, 120) }\n"
                             "}\n");
}
} // namespace

// Renders the shell on each tab and the story viewer; each PNG lands in screenshots/shell-*.png in the test's build folder.
class ShellRenderTest : public QObject
{
    Q_OBJECT

private:
    AccountFixture m_fixture;
    // Never moved: a story frozen on it stays where it was drawn.
    ManualMonotonicClock m_frozenClock;

private Q_SLOTS:
    void initTestCase()
    {
        qmlRegisterSingletonInstance("TarvikTest", 1, 0, "FrozenClock", &m_frozenClock);
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_fixture.start());
        QVERIFY(m_fixture.signIn());
    }

    void renders_data()
    {
        QTest::addColumn<QString>("interaction");
        QTest::newRow("home") << QString();
        QTest::newRow("payments") << QStringLiteral("showPayments");
        QTest::newRow("services") << QStringLiteral("showServices");
        QTest::newRow("support") << QStringLiteral("showSupport");
        QTest::newRow("services-no-match") << QStringLiteral("searchNothing");
        QTest::newRow("story") << QStringLiteral("openStory2");
        QTest::newRow("story-turning-left") << QStringLiteral("turningLeft");
        QTest::newRow("story-swiping-down") << QStringLiteral("swipingDown");
    }

    void renders()
    {
        QFETCH(QString, interaction);
        QmlRenderOptions options;
        if (!interaction.isEmpty()) {
            options.interact = [&](QQuickWindow *, QObject *root) {
                QVERIFY(QMetaObject::invokeMethod(root, qPrintable(interaction)));
            };
        }
        TARVIK_VERIFY_RENDER(renderQml(QStringLiteral("shell-") + QString::fromLatin1(QTest::currentDataTag()), shellDocument(), options));
    }
};

QTEST_MAIN(ShellRenderTest)
#include "tst_shellrender.moc"
