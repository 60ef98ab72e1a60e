#include "appscreens.h"

#include <QPointer>
#include <QQmlComponent>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

using namespace AppScreens;

namespace
{
// What the screen sends through: its own ConfirmationSend, or that of the form or order behind it.
QObject *requestOf(QQuickItem *screen)
{
    if (auto *request = screen->property("request").value<QObject *>())
        return request;
    for (const char *owner : {"form", "order"}) {
        if (auto *object = screen->property(owner).value<QObject *>())
            return object->property("request").value<QObject *>();
    }
    return nullptr;
}

// Every sheet and alert the screen declares, each watched for coming up.
struct Presentations {
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QSignalSpy>>> popups;

    explicit Presentations(QQuickItem *screen)
    {
        for (QObject *child : screen->findChildren<QObject *>()) {
            if (child->inherits("QQuickPopup"))
                popups.emplace_back(child, std::make_unique<QSignalSpy>(child, SIGNAL(aboutToShow())));
        }
    }

    int count() const
    {
        int shown = 0;
        for (const auto &[popup, spy] : popups)
            shown += int(spy->count());
        return shown;
    }

    QObject *lastShown() const
    {
        for (const auto &[popup, spy] : popups) {
            if (spy->count() > 0)
                return popup;
        }
        return nullptr;
    }
};

bool anyOpen(QQuickItem *screen)
{
    const QList<QObject *> children = screen->findChildren<QObject *>();
    return std::any_of(children.cbegin(), children.cend(), [](QObject *child) {
        return child->inherits("QQuickPopup") && child->property("visible").toBool();
    });
}
} // namespace

// A confirmation-only screen that is left while its send waits (popped, or its tab switched away)
// brings nothing up over what shows instead. Its tab back, the held outcome comes up once; a popped
// screen's outcome never does.
class LeavingWhileSendingTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    std::unique_ptr<QObject> m_helper;

    void pop(QQuickItem *screen)
    {
        QMetaObject::invokeMethod(m_helper.get(), "pop", Q_ARG(QVariant, QVariant::fromValue(screen)));
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = m_app.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QQmlComponent component(m_app.appWindow.engine.get());
        component.setData("import QtQuick\nQtObject { function pop(page) { page.parent.pop() } }", QUrl());
        m_helper.reset(component.create());
        QVERIFY2(m_helper, qPrintable(component.errorString()));
    }

    void cleanupTestCase()
    {
        m_helper.reset();
        m_app.stop();
    }

    void cleanup() { m_app.closeAll(); }

    void leftDuringThePause_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("popped");
        const QList<QPair<const char *, int>> screens = {{"statement", 1}, {"mobile", 2}, {"tariff order", 2}, {"tv package", 2},
                                                         {"relocation", 2}, {"referral", 2}, {"checkout", 2}};
        for (const auto &[screen, tab] : screens) {
            QTest::addRow("%s popped", screen) << QString::fromLatin1(screen) << tab << true;
            QTest::addRow("%s tab switched", screen) << QString::fromLatin1(screen) << tab << false;
        }
    }

    void leftDuringThePause()
    {
        QFETCH(QString, screen);
        QFETCH(int, tab);
        QFETCH(bool, popped);
        QPointer<QQuickItem> form = m_app.open(screen);
        QVERIFY(form);
        QObject *request = requestOf(form);
        QVERIFY(request);
        Presentations presentations(form);
        QVERIFY(!presentations.popups.empty());
        QSignalSpy confirmed(request, SIGNAL(confirmedChanged()));

        if (popped) {
            // The pause ends while the screen slides away.
            request->setProperty("delay", 1);
            QVERIFY(QMetaObject::invokeMethod(request, "send"));
            pop(form);
            QTRY_COMPARE(confirmed.count(), 1);
            QTRY_VERIFY(!form);
            QCOMPARE(presentations.count(), 0);

            // Opened again, it starts afresh.
            QQuickItem *again = m_app.open(screen);
            QVERIFY(again);
            QVERIFY(!anyOpen(again));
            return;
        }

        QVERIFY(QMetaObject::invokeMethod(request, "send"));
        m_app.shell->setProperty("selectedTab", 0);
        QTRY_VERIFY(request->property("confirmed").toBool());
        QCOMPARE(presentations.count(), 0);

        m_app.shell->setProperty("selectedTab", tab);
        QTRY_COMPARE(presentations.count(), 1);
        QObject *shown = presentations.lastShown();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), screen == u"tariff order" ? u"acceptedAlert" : u"confirmationSheet");
        QMetaObject::invokeMethod(shown, "close");
        QTRY_VERIFY(!request->property("confirmed").toBool());
        QTRY_VERIFY(!anyOpen(form));

        // Away and back once more: what was seen does not come again.
        m_app.shell->setProperty("selectedTab", 0);
        m_app.shell->setProperty("selectedTab", tab);
        QTRY_VERIFY(form->property("onScreen").toBool());
        QCOMPARE(presentations.count(), 1);
    }
};

QTEST_MAIN(LeavingWhileSendingTest)
#include "tst_leavingwhilesending.moc"
