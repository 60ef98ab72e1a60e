#include "accessibletree.h"
#include "accessiblekit.h"
#include "accountfixture.h"
#include "appqmlplugins.h"
#include "appwindow.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;

// The whole app worked by a screen reader's means alone, against the stand-in site: sign in, read
// the balance, the payments and the profile; the recovery sheet and a wrong password.
class AccessibilityFlowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    AppWindow m_appWindow;
    QQuickWindow *m_window = nullptr;

    QAccessibleInterface *node(QAccessible::Role role, const QString &name) const { return find(m_window, role, name); }

    // The headings shown that have no name (there should be none).
    QList<QAccessibleInterface *> unnamedHeadings() const
    {
        return shown(m_window, [](QAccessibleInterface *node) {
            return node->role() == QAccessible::Heading && node->text(QAccessible::Name).trimmed().isEmpty();
        });
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        AccessibleKit::install();
        m_fixture = std::make_unique<AccountFixture>();
        QVERIFY(m_fixture->start(AccountFixture::Port::Https));

        m_window = m_appWindow.launch(*m_fixture);
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        QTRY_VERIFY_WITH_TIMEOUT(m_appWindow.app->startupFinished(), 10000);
    }

    void cleanupTestCase()
    {
        m_appWindow.close();
        m_fixture.reset();
    }

    void recoverySheetIsAModalDialogThatSaysWhatIsWrong()
    {
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Забыли пароль?")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Забыли пароль?"))));
        QTRY_VERIFY(node(QAccessible::Dialog, QStringLiteral("Забыли пароль?")));
        QVERIFY(node(QAccessible::Dialog, QStringLiteral("Забыли пароль?"))->state().modal);
        // The sign-in screen under it is out of reach.
        QVERIFY(!node(QAccessible::PushButton, QStringLiteral("Войти")));
        QVERIFY(node(QAccessible::EditableText, QStringLiteral("Номер лицевого счета")));
        QVERIFY(node(QAccessible::EditableText, QStringLiteral("Ваш номер телефона")));

        // Sent empty, the form's complaint takes the focus (once it has faded in, it is shown).
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Выслать пароль"))));
        const auto focusedTexts = [this] {
            return shown(m_window, [](QAccessibleInterface *node) { return node->role() == QAccessible::StaticText && node->state().focused; });
        };
        QTRY_COMPARE(focusedTexts().size(), 1);
        QVERIFY(!focusedTexts().constFirst()->text(QAccessible::Name).isEmpty());
        QVERIFY(unnamedHeadings().isEmpty());

        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Закрыть"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Войти")));
        QVERIFY(!node(QAccessible::Dialog, QStringLiteral("Забыли пароль?")));
    }

    void signInByTheAccessibilityInterfaces()
    {
        QAccessibleInterface *login = node(QAccessible::EditableText, QStringLiteral("Логин"));
        QAccessibleInterface *password = node(QAccessible::EditableText, QStringLiteral("Пароль"));
        QVERIFY(login);
        QVERIFY(password);
        QVERIFY(password->state().passwordEdit);

        // A wrong password: the error takes the focus, so that it is read out.
        QVERIFY(setText(login, m_fixture->site->login()));
        QVERIFY(setText(password, QStringLiteral("wrong-password")));
        QCOMPARE(password->text(QAccessible::Value), QString(14, QChar(0x2022)));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Войти"))));
        QTRY_VERIFY_WITH_TIMEOUT(node(QAccessible::StaticText, QStringLiteral("Неверный логин или пароль")), 10000);
        QTRY_VERIFY(node(QAccessible::StaticText, QStringLiteral("Неверный логин или пароль"))->state().focused);

        QVERIFY(setText(password, m_fixture->site->password()));
        QVERIFY(!password->text(QAccessible::Value).contains(m_fixture->site->password()));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Войти"))));
        QTRY_VERIFY_WITH_TIMEOUT(m_appWindow.app->signedIn(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(node(QAccessible::Heading, QStringLiteral("Твои продукты")), 10000);
    }


    void probe()
    {
        std::function<void(QAccessibleInterface*, int)> dump = [&](QAccessibleInterface *n, int depth) {
            if (n->state().invisible) return;
            qDebug().noquote() << QString(depth * 2, ' ') << n->role() << n->text(QAccessible::Name) << "|" << n->text(QAccessible::Description) << (n->state().focused ? "FOCUSED" : "") << (n->object() ? n->object()->metaObject()->className() : "");
            for (int i = 0; i < n->childCount(); ++i) dump(n->child(i), depth + 1);
        };
        const auto focused = [&](const char *when) {
            QTest::qWait(900);
            QAccessibleInterface *last = nullptr;
            visit(tree(m_window), [&](QAccessibleInterface *n) { if (!n->state().invisible && n->state().focused) last = n; });
            QQuickItem *item = m_window->activeFocusItem();
            qDebug().noquote() << "FOCUS after" << when << ":" << (last ? QString("%1 '%2'").arg(last->role()).arg(last->text(QAccessible::Name)) : "none") << (item ? item->metaObject()->className() : "null");
        };
        focused("start");
        press(node(QAccessible::Button, QStringLiteral("Статистика"))); focused("push Статистика");
        press(node(QAccessible::Button, QStringLiteral("Назад"))); focused("back");
        press(node(QAccessible::PageTab, QStringLiteral("Оплата"))); focused("tab Оплата");
        press(node(QAccessible::Button, QStringLiteral("Заявления"))); focused("push Заявления");
        dump(tree(m_window), 0);
        press(node(QAccessible::Button, QStringLiteral("Назад"))); focused("back");
        press(node(QAccessible::Button, QStringLiteral("Пополнить баланс"))); focused("top-up sheet");
        dump(tree(m_window), 0);
        QTest::keyClick(m_window, Qt::Key_Escape); focused("escape sheet");
        press(node(QAccessible::PageTab, QStringLiteral("Сервисы"))); focused("tab Сервисы");
        press(node(QAccessible::Button, QStringLiteral("Добровольная блокировка"))); focused("push блокировка");
        QAccessibleInterface *start = shown(m_window, [](QAccessibleInterface *n) { return n->role() == QAccessible::Button && n->text(QAccessible::Name).startsWith("Начало"); }).value(0);
        press(start); focused("date picker open");
        dump(tree(m_window), 0);
        QTest::keyClick(m_window, Qt::Key_Right); focused("right");
        QTest::keyClick(m_window, Qt::Key_Down); focused("down");
        QTest::keyClick(m_window, Qt::Key_Return); focused("return");
        dump(tree(m_window), 0);
        press(node(QAccessible::Button, QStringLiteral("ЗАБЛОКИРОВАТЬ"))); QTest::qWait(1500); focused("send");
        dump(tree(m_window), 0);
        press(node(QAccessible::Button, QStringLiteral("Понятно"))); focused("confirmation closed");
        press(node(QAccessible::PageTab, QStringLiteral("Поддержка"))); focused("tab Поддержка");
        press(node(QAccessible::Button, QStringLiteral("Нет интернета"))); focused("quick topic");
        QTest::qWait(3000); focused("answer");
        dump(tree(m_window), 0);
        press(node(QAccessible::PageTab, QStringLiteral("Главная"))); focused("tab Главная");
        press(node(QAccessible::Button, QStringLiteral("Привет, Смирнова 👋"))); focused("profile");
        press(node(QAccessible::Button, QStringLiteral("Выйти из приложения"))); focused("sign-out alert");
        dump(tree(m_window), 0);
        press(node(QAccessible::Button, QStringLiteral("Выйти"))); QTest::qWait(2000); focused("signed out");
        dump(tree(m_window), 0);
    }

    void balancePaymentsAndProfileAreRead()
    {
        // The dashboard. Each carousel shows one page, though it keeps the pages beside it (and
        // turns by itself: between turns).
        QTRY_VERIFY_WITH_TIMEOUT(node(QAccessible::Heading, QStringLiteral("Твои продукты")), 10000);
        QTRY_VERIFY(node(QAccessible::PageTab, QStringLiteral("Главная")));
        QVERIFY(node(QAccessible::PageTab, QStringLiteral("Главная"))->state().checked);
        const auto pagesShown = [this](const QStringList &pageNames) {
            return shown(m_window, [&](QAccessibleInterface *node) {
                       return node->role() == QAccessible::PushButton && pageNames.contains(node->text(QAccessible::Name));
                   })
                .size();
        };
        QTRY_COMPARE(pagesShown({QStringLiteral("Баланс"), QStringLiteral("Добавить новый адрес")}), 1);
        QTRY_COMPARE(pagesShown({QStringLiteral("Приведи друга"), QStringLiteral("Переезд")}), 1);
        QVERIFY(unnamedHeadings().isEmpty());

        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Оплата"))));
        QTRY_VERIFY(node(QAccessible::StaticText, QStringLiteral("Рекомендовано пополнить")));
        QVERIFY(node(QAccessible::StaticText, QStringLiteral("1250,50 ₽")));
        QVERIFY(node(QAccessible::Heading, QStringLiteral("История")));
        QVERIFY(node(QAccessible::PageTab, QStringLiteral("Оплата"))->state().checked);
        QVERIFY(!node(QAccessible::PageTab, QStringLiteral("Главная"))->state().checked);
        QVERIFY(unnamedHeadings().isEmpty());

        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Главная"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Привет, Смирнова 👋")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Привет, Смирнова 👋"))));
        QTRY_VERIFY(node(QAccessible::StaticText, QStringLiteral("Смирнова Анна Сергеевна")));
        QVERIFY(node(QAccessible::Heading, QStringLiteral("Профиль")));
        QVERIFY(unnamedHeadings().isEmpty());
    }
};

QTEST_MAIN(AccessibilityFlowTest)
#include "tst_accessibilityflow.moc"
