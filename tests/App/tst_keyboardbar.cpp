#include "appscreens.h"
#include "testpaths.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AppScreens;

// The keyboard's bar in the signed-in app as a subscriber meets it: on every screen with text
// fields, each field edited in turn. The bar takes a strip of its own: no control and no text of
// the screen lies under it, the edited field is in view above it, and on a tab's form so is the
// send button.
class KeyboardBarTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;

private Q_SLOTS:
    void initTestCase()
    {
        const QString failure = m_app.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void cleanupTestCase() { m_app.stop(); }

    void cleanup() { m_app.closeAll(); }

    void everyField_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"home", "services", "chat", "top-up", "autopay", "24tv account", "statement", "mobile", "tariff order",
                                   "tv package", "relocation", "referral", "shop", "checkout", "add account", "e-mail", "promo codes"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    void everyField()
    {
        QFETCH(QString, screen);
        QQuickItem *root = m_app.open(screen);
        QVERIFY(root);
        QQuickWindow *window = m_app.window;
        const auto bar = [this] { return m_app.bar(); };

        QList<QQuickItem *> shown;
        collect(root, shown);
        QList<QQuickItem *> fields;
        for (QQuickItem *item : std::as_const(shown)) {
            if (isEditable(item))
                fields.append(item);
        }
        QVERIFY2(!fields.isEmpty(), "no text field");

        int index = 0;
        for (QQuickItem *field : std::as_const(fields)) {
            field->forceActiveFocus(Qt::TabFocusReason);
            QTRY_VERIFY(bar() && bar()->isVisible() && window->activeFocusItem() == field);
            const QRectF barRect = shownRect(bar());
            QVERIFY(barRect.height() > 0);
            // The field comes into view above the bar, whole.
            QTRY_VERIFY2(shownRect(field) == field->mapRectToScene(QRectF(0, 0, field->width(), field->height()))
                             && shownRect(field).bottom() <= barRect.top(),
                         qPrintable(describe(field)));

            QList<QQuickItem *> everything;
            collect(window->contentItem(), everything);
            QStringList covered;
            for (QQuickItem *item : std::as_const(everything)) {
                if (isInside(item, bar()) || !mattersUnderTheBar(item))
                    continue;
                if (shownRect(item).intersects(barRect))
                    covered.append(describe(item));
            }
            QVERIFY2(covered.isEmpty(), qPrintable(QStringLiteral("field %1 of %2: under the bar: %3")
                                                       .arg(index)
                                                       .arg(screen, covered.join(QStringLiteral(", ")))));
            if (index == 0)
                window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("keyboardbar-%1.png").arg(screen).replace(u' ', u'-')));
            ++index;
        }
        TextEditing::endEditing();
        QTRY_VERIFY(!bar() || !bar()->isVisible());
    }

    // On a tab's screen the tab bar goes under the keyboard while a field is edited, and each
    // field comes into view together with the screen's main button, both above the bar.
    void mainButtonStaysInView_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        QTest::newRow("relocation") << "relocation" << "sendButton";
        QTest::newRow("referral") << "referral" << "sendButton";
        QTest::newRow("mobile") << "mobile" << "submitButton";
    }

    void mainButtonStaysInView()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QQuickItem *root = m_app.open(screen);
        QVERIFY(root);
        QQuickItem *mainButton = findItem(root, [&](QQuickItem *item) { return item->objectName() == button; });
        QQuickItem *tabBar = findItem(m_app.shell, [](QQuickItem *item) { return item->objectName() == u"tab0"; });
        QVERIFY(mainButton && tabBar);
        tabBar = tabBar->parentItem();
        while (tabBar->parentItem() != m_app.shell)
            tabBar = tabBar->parentItem();
        QVERIFY(!shownRect(tabBar).isEmpty());

        QList<QQuickItem *> shown;
        collect(root, shown);
        QList<QQuickItem *> fields;
        std::copy_if(shown.cbegin(), shown.cend(), std::back_inserter(fields), isEditable);
        QVERIFY(!fields.isEmpty());
        for (QQuickItem *field : std::as_const(fields)) {
            field->forceActiveFocus(Qt::MouseFocusReason);
            QTRY_VERIFY(m_app.bar() && m_app.bar()->isVisible());
            const QRectF barRect = shownRect(m_app.bar());
            const auto whollyAboveTheBar = [&](QQuickItem *item) {
                const QRectF shown = shownRect(item);
                return shown == item->mapRectToScene(QRectF(0, 0, item->width(), item->height())) && shown.bottom() <= barRect.top();
            };
            QTRY_VERIFY2(whollyAboveTheBar(field) && whollyAboveTheBar(mainButton), qPrintable(describe(field)));
            QVERIFY2(shownRect(tabBar).isEmpty() || shownRect(tabBar).top() >= barRect.bottom(), qPrintable(describe(field)));
        }
        m_app.window->grabWindow().save(
            QDir(screenshotDir()).filePath(QStringLiteral("keyboardbar-%1-last-field.png").arg(screen)));
        TextEditing::endEditing();
        QTRY_VERIFY(!shownRect(tabBar).isEmpty());
    }
};

QTEST_MAIN(KeyboardBarTest)
#include "tst_keyboardbar.moc"
