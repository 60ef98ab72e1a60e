#include "appscreens.h"
#include "testpaths.h"

#include <QDir>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AppScreens;

namespace
{
QQuickItem *named(QQuickItem *root, const QString &name)
{
    return findItem(root, [&](QQuickItem *item) { return item->objectName() == name && item->isVisible(); });
}

// Brings `field` into view with the focus, then taps it, as a subscriber does.
bool tapField(QQuickWindow *window, QQuickItem *field)
{
    field->forceActiveFocus(Qt::MouseFocusReason);
    if (!QTest::qWaitFor([&] { return shownRect(field) == field->mapRectToScene(QRectF(0, 0, field->width(), field->height())); }))
        return false;
    tap(window, field);
    return field->hasActiveFocus();
}

// Where `item` draws in the window's coordinates, before the window's own edges cut it: its box
// (or its text, when the text is wider and nothing clips it), cut by the items above it that clip.
QRectF drawnRect(QQuickItem *item)
{
    QRectF rect(0, 0, item->width(), item->height());
    const bool text = item->inherits("QQuickText") || item->inherits("QQuickTextInput");
    if (text && !item->clip()) {
        const qreal over = item->property("contentWidth").toReal() - item->width();
        if (over > 1)
            rect.adjust(-over, 0, over, 0);
    }
    rect = item->mapRectToScene(rect);
    for (QQuickItem *above = item->parentItem(); above; above = above->parentItem()) {
        if (above->clip())
            rect &= above->mapRectToScene(QRectF(0, 0, above->width(), above->height()));
    }
    return rect;
}

const QString sheetPhone = QStringLiteral("+7 (912) 345-67-89");
const QString sheetLandline = QStringLiteral("+7 (812) 555-12-34");
} // namespace

// Fields as a subscriber types into them, key by key, in the whole app against the stand-in: the
// phone fields of every screen that has one, the number pads, and a top-up amount far longer than
// any real one.
class FieldTypingTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;

    void save(const QString &name)
    {
        m_app.window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("fieldtyping-%1.png").arg(name)));
    }

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void cleanupTestCase() { m_app.stop(); }

    void cleanup()
    {
        if (m_app.navigator)
            m_app.closeAll();
    }

    // Signed out: "Забыли пароль?" on the sign-in screen, the number typed after the "+7 " shown.
    void recoveryPhone_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sent");  // the "phone" the site receives
        QTest::addColumn<QString>("refusal");
        QTest::newRow("8 912 345-67-89") << "8 912 345-67-89" << sheetPhone << "79123456789" << "";
        QTest::newRow("812 555-12-34") << "812 555-12-34" << sheetLandline << ""
                                       << "Введите мобильный номер, начинающийся с +7 9";
    }

    void recoveryPhone()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, sent);
        QFETCH(QString, refusal);

        AccountFixture account;
        QVERIFY(account.start());
        AppWindow app;
        QQuickWindow *window = app.launch(account);
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QQuickItem *forgot = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((forgot = named(window->contentItem(), QStringLiteral("forgotPasswordButton"))), 10000);
        // The greeting has faded out.
        QTRY_VERIFY([forgot] {
            qreal opacity = 1;
            for (QQuickItem *item = forgot; item; item = item->parentItem())
                opacity *= item->opacity();
            return qFuzzyCompare(opacity, 1.0);
        }());
        tap(window, forgot);

        QQuickItem *phone = nullptr;
        QTRY_VERIFY((phone = named(window->contentItem(), QStringLiteral("phoneField"))));
        auto *phoneInput = phone->property("input").value<QQuickItem *>();
        auto *accountInput = named(window->contentItem(), QStringLiteral("accountField"))->property("input").value<QQuickItem *>();
        QTRY_VERIFY(tapField(window, accountInput));
        type(window, QStringLiteral("684782"));
        QVERIFY(tapField(window, phoneInput));
        type(window, typed);
        QCOMPARE(phoneInput->property("text").toString(), shown);
        window->grabWindow().save(QDir(screenshotDir()).filePath(QStringLiteral("fieldtyping-recovery-%1.png").arg(QTest::currentDataTag()).replace(u' ', u'_')));

        QQuickItem *send = named(window->contentItem(), QStringLiteral("sendButton"));
        send->forceActiveFocus(Qt::TabFocusReason);
        QTRY_COMPARE(shownRect(send), send->mapRectToScene(QRectF(0, 0, send->width(), send->height())));
        tap(window, send);
        if (refusal.isEmpty()) {
            QTRY_VERIFY(account.site->requestKeys().contains(QStringLiteral("/pass_recovery_send.jsp")));
            QCOMPARE(account.site->requests().constLast().queryValue(QStringLiteral("phone")), sent);
        } else {
            QTRY_COMPARE(named(window->contentItem(), QStringLiteral("recoveryErrorText"))->property("text").toString(), refusal);
            QVERIFY(!account.site->requestKeys().contains(QStringLiteral("/pass_recovery_send.jsp")));
        }
        app.close();
    }

    void signIn()
    {
        const QString failure = m_app.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    // Every other phone field, each through its screen. `stored` is what the screen keeps of the
    // number (`property` of the screen's root, or of an object it holds).
    void phoneFields_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("stored");

        for (const QString &typed : {QStringLiteral("8 912 345-67-89"), QStringLiteral("812 555-12-34")}) {
            const bool mobile = typed.startsWith(u'8') && typed.at(2) == u'9';
            const QString national = mobile ? QStringLiteral("9123456789") : QStringLiteral("8125551234");
            const QString masked = mobile ? sheetPhone : sheetLandline;
            const QString grouped = mobile ? QStringLiteral("912 345-67-89") : QStringLiteral("812 555-12-34");
            const QByteArray tag = typed.toUtf8();
            QTest::addRow("partner TV account, %s", tag.constData())
                << "24tv account" << "phoneField" << typed << masked << "form.phoneNumber" << masked;
            QTest::addRow("mobile transfer, %s", tag.constData())
                << "mobile" << "numberField" << typed << grouped << "order.numberText" << QStringLiteral("+7 ") + grouped;
            QTest::addRow("relocation, %s", tag.constData())
                << "relocation" << "phoneField" << typed << QStringLiteral("+7 ") + national << "phone" << QStringLiteral("+7 ") + national;
            QTest::addRow("refer a friend, %s", tag.constData())
                << "referral" << "friendPhoneField" << typed << QStringLiteral("+7 ") + national << "friendPhone"
                << QStringLiteral("+7 ") + national;
        }
    }

    void phoneFields()
    {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, property);
        QFETCH(QString, stored);

        QQuickItem *root = m_app.open(screen);
        QVERIFY(root);
        QQuickItem *input = named(root, field);
        QVERIFY(input);
        QVERIFY(tapField(m_app.window, input));
        type(m_app.window, typed);
        QCOMPARE(input->property("text").toString(), shown);

        // The screen: the opened item, or the one inside it (a sheet's content) that has the property.
        const QStringList path = property.split(u'.');
        QObject *holder = findItem(root, [&](QQuickItem *item) { return item->property(path.constFirst().toUtf8()).isValid(); });
        for (qsizetype i = 0; i + 1 < path.size(); ++i)
            holder = holder->property(path.at(i).toUtf8()).value<QObject *>();
        QVERIFY(holder);
        QCOMPARE(holder->property(path.constLast().toUtf8()).toString(), stored);
        save(QStringLiteral("%1-%2").arg(screen, typed.left(3)).replace(u' ', u'-'));
    }

    // A number field takes what its number pad types: a desktop keyboard's letters type nothing.
    void numberPads_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::newRow("top-up amount") << "top-up" << "amountField";
        QTest::newRow("statement amount") << "statement" << "amountField";
        QTest::newRow("add-account number") << "add account" << "accountField";
        QTest::newRow("autopay day") << "autopay" << "paymentDayField";
    }

    void numberPads()
    {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QQuickItem *root = m_app.open(screen);
        QVERIFY(root);
        QQuickItem *input = named(root, field);
        QVERIFY(input);
        QVERIFY(tapField(m_app.window, input));
        QMetaObject::invokeMethod(input, "selectAll");
        type(m_app.window, QStringLiteral("abc1 2z"));
        QCOMPARE(input->property("text").toString(), QStringLiteral("12"));
    }

    // Thirty digits in the top-up amount: the sheet keeps the window's width and nothing of it is
    // drawn past the window's edges; the total keeps its "₽".
    void topUpWithALongAmount()
    {
        QQuickItem *root = m_app.open(QStringLiteral("top-up"));
        QVERIFY(root);
        QQuickItem *amount = named(root, QStringLiteral("amountField"));
        QVERIFY(tapField(m_app.window, amount));
        const QString digits = QStringLiteral("123456789012345678901234567890");
        type(m_app.window, digits);
        QCOMPARE(amount->property("text").toString(), digits);
        QQuickItem *total = named(root, QStringLiteral("totalText"));
        QCOMPARE(total->property("text").toString(), digits + QStringLiteral(" ₽"));

        const qreal width = m_app.window->width();
        QCOMPARE(root->width(), width);
        QList<QQuickItem *> items;
        collect(root, items);
        QStringList outside;
        for (QQuickItem *item : std::as_const(items)) {
            const QRectF drawn = drawnRect(item);
            if (!drawn.isEmpty() && (drawn.left() < -0.5 || drawn.right() > width + 0.5))
                outside.append(describe(item));
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
        TextEditing::endEditing();
        save(QStringLiteral("top-up-long-amount"));
    }
};

QTEST_MAIN(FieldTypingTest)
#include "tst_fieldtyping.moc"
