#include "accessibletree.h"
#include "accessiblekit.h"
#include "accountfixture.h"
#include "appwindow.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;

// The whole app worked by a screen reader's means alone, against the stand-in site: sign in, read
// the balance, the payments and the profile; the recovery sheet and a wrong password; where the
// focus lands after each change of screen; a request form's date, the chat, and signing out.
class AccessibilityFlowTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AccountFixture> m_fixture;
    AppWindow m_appWindow;
    QQuickWindow *m_window = nullptr;

    QAccessibleInterface *node(QAccessible::Role role, const QString &name) const { return find(m_window, role, name); }

    // An item of the window by its objectName (made by loaders and repeaters as well).
    static QQuickItem *item(QQuickItem *under, const QString &objectName)
    {
        for (QQuickItem *child : under->childItems()) {
            if (child->objectName() == objectName)
                return child;
            if (QQuickItem *found = item(child, objectName))
                return found;
        }
        return nullptr;
    }

    // What has the focus: the innermost focused node shown.
    QString focused() const
    {
        QString found;
        visit(tree(m_window), [&](QAccessibleInterface *node) {
            if (!node->state().invisible && node->state().focused)
                found = roleName(node->role()) + QLatin1Char(' ') + node->text(QAccessible::Name);
        });
        return found;
    }

    static QString roleName(QAccessible::Role role)
    {
        static const QHash<int, QString> names{{QAccessible::Heading, QStringLiteral("heading")},
                                               {QAccessible::Button, QStringLiteral("button")},
                                               {QAccessible::EditableText, QStringLiteral("field")},
                                               {QAccessible::Dialog, QStringLiteral("dialog")}};
        return names.value(role, QString::number(role, 16));
    }

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
        // The dashboard's first heading has the focus.
        QTRY_COMPARE_WITH_TIMEOUT(focused(), QStringLiteral("heading Твои продукты"), 10000);
    }

    void balancePaymentsAndProfileAreRead()
    {
        // The dashboard. Each carousel shows one page and holds still while a screen reader follows
        // the app; both of its pages are there to be read and pressed, the other one off screen.
        QTRY_VERIFY_WITH_TIMEOUT(node(QAccessible::Heading, QStringLiteral("Твои продукты")), 10000);
        QTRY_VERIFY(node(QAccessible::PageTab, QStringLiteral("Главная")));
        QVERIFY(node(QAccessible::PageTab, QStringLiteral("Главная"))->state().checked);
        const auto pages = [this](const QStringList &pageNames, bool onScreen) {
            return shown(m_window, [&](QAccessibleInterface *node) {
                       return node->role() == QAccessible::PushButton && pageNames.contains(node->text(QAccessible::Name))
                           && (!onScreen || !node->state().offscreen);
                   })
                .size();
        };
        for (const QStringList &strip : {QStringList{QStringLiteral("Баланс"), QStringLiteral("Добавить новый адрес")},
                                         QStringList{QStringLiteral("Приведи друга"), QStringLiteral("Переезд")}}) {
            QTRY_COMPARE(pages(strip, true), 1);
            QCOMPARE(pages(strip, false), 2);
        }
        for (const QString &carousel : {QStringLiteral("productsCarousel"), QStringLiteral("partnerCarousel")}) {
            const QQuickItem *strip = item(m_window->contentItem(), carousel);
            QVERIFY(strip && !strip->property("turning").toBool());
        }
        QVERIFY(unnamedHeadings().isEmpty());

        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Оплата"))));
        QTRY_VERIFY(node(QAccessible::StaticText, QStringLiteral("Рекомендовано пополнить")));
        QVERIFY(node(QAccessible::StaticText, QStringLiteral("1250,50 ₽")));
        QVERIFY(node(QAccessible::Heading, QStringLiteral("История")));
        QVERIFY(node(QAccessible::PageTab, QStringLiteral("Оплата"))->state().checked);
        QVERIFY(!node(QAccessible::PageTab, QStringLiteral("Главная"))->state().checked);
        QVERIFY(unnamedHeadings().isEmpty());

        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Главная"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Привет, Анна 👋")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Привет, Анна 👋"))));
        QTRY_VERIFY(node(QAccessible::StaticText, QStringLiteral("Смирнова Анна Сергеевна")));
        QVERIFY(node(QAccessible::Heading, QStringLiteral("Профиль")));
        QVERIFY(unnamedHeadings().isEmpty());
    }

    // Each change of screen puts the focus where a screen reader starts: a new page's heading, and
    // back on what opened a page or a sheet once it is gone. One row after the other.
    void eachScreenChangeMovesTheFocus_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("pressed");
        QTest::addColumn<QString>("lands");
        const int tab = QAccessible::PageTab;
        const int button = QAccessible::PushButton;
        QTest::newRow("tab Оплата") << tab << QStringLiteral("Оплата") << QStringLiteral("heading Оплата");
        QTest::newRow("tab Сервисы") << tab << QStringLiteral("Сервисы") << QStringLiteral("heading Сервисы");
        QTest::newRow("tab Поддержка") << tab << QStringLiteral("Поддержка") << QStringLiteral("heading Поддержка");
        // The home tab shows the profile it was left on.
        QTest::newRow("tab Главная") << tab << QStringLiteral("Главная") << QStringLiteral("heading Профиль");
        QTest::newRow("back from the profile") << button << QStringLiteral("Назад") << QStringLiteral("button Привет, Анна 👋");
        QTest::newRow("push Статистика") << button << QStringLiteral("Статистика") << QStringLiteral("heading Статистика");
        QTest::newRow("back from Статистика") << button << QStringLiteral("Назад") << QStringLiteral("button Статистика");
        QTest::newRow("tab Оплата again") << tab << QStringLiteral("Оплата") << QStringLiteral("heading Оплата");
        QTest::newRow("top-up sheet") << button << QStringLiteral("Пополнить баланс") << QStringLiteral("dialog Пополнение");
        QTest::newRow("top-up sheet closed") << button << QStringLiteral("Закрыть") << QStringLiteral("button Пополнить баланс");
        QTest::newRow("push Заявления") << button << QStringLiteral("Заявления") << QStringLiteral("heading Заявления");
        QTest::newRow("back from Заявления") << button << QStringLiteral("Назад") << QStringLiteral("button Заявления");
    }

    void eachScreenChangeMovesTheFocus()
    {
        QFETCH(int, role);
        QFETCH(QString, pressed);
        QFETCH(QString, lands);
        QTRY_VERIFY(node(QAccessible::Role(role), pressed));
        QVERIFY(press(node(QAccessible::Role(role), pressed)));
        QTRY_COMPARE_WITH_TIMEOUT(focused(), lands, 10000);
        QVERIFY(unnamedHeadings().isEmpty());
    }

    // A request form with dates: the calendar is entered, a day chosen by the arrows and Return,
    // the focus is back on the date; sent, the confirmation takes the focus and gives it back.
    void aDateIsChosenByKeyboardOnARequestForm()
    {
        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Сервисы"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Добровольная блокировка")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Добровольная блокировка"))));
        QTRY_COMPARE(focused(), QStringLiteral("heading Добровольная блокировка"));
        const auto startField = [this] {
            return shown(m_window, [](QAccessibleInterface *node) {
                       return node->role() == QAccessible::PushButton && node->text(QAccessible::Name).startsWith(QStringLiteral("Начало, "));
                   })
                .value(0);
        };
        QVERIFY(startField());
        const QString startName = startField()->text(QAccessible::Name);
        const QDate start = QDate::fromString(startName.section(QStringLiteral(", "), 1), QStringLiteral("dd.MM.yyyy"));
        QVERIFY(press(startField()));
        QTRY_VERIFY(node(QAccessible::Dialog, QStringLiteral("Начало")));
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        const QString chosen = QString::number(start.day()) + QLatin1Char(' ') + russian.monthName(start.month()) + QLatin1Char(' ')
            + QString::number(start.year());
        QTRY_COMPARE(focused(), QStringLiteral("button ") + chosen);
        QVERIFY(node(QAccessible::PushButton, chosen)->state().selected);

        QTest::keyClick(m_window, Qt::Key_Right);
        QTest::keyClick(m_window, Qt::Key_Return);
        const QString next = QStringLiteral("Начало, ") + start.addDays(1).toString(QStringLiteral("dd.MM.yyyy"));
        QTRY_COMPARE(focused(), QStringLiteral("button ") + next);

        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("ЗАБЛОКИРОВАТЬ"))));
        QTRY_COMPARE_WITH_TIMEOUT(focused(), QStringLiteral("dialog Подтверждение блокировки"), 10000);
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Понятно"))));
        QTRY_COMPARE(focused(), QStringLiteral("button ЗАБЛОКИРОВАТЬ"));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Назад"))));
        QTRY_COMPARE(focused(), QStringLiteral("button Добровольная блокировка"));
    }

    // A quick topic is sent once and leaves the focus in the message field; the answer is said
    // there, as a notification, without taking the focus.
    void theChatsAnswerIsSaidWhereTheUserTypes()
    {
        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Поддержка"))));
        QTRY_COMPARE(focused(), QStringLiteral("heading Поддержка"));
        const QString topic = QStringLiteral("У меня не работает интернет. Помогите найти причину.");
        const qsizetype before = shown(m_window, [&](QAccessibleInterface *node) { return node->text(QAccessible::Name) == topic; }).size();
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Нет интернета"))));
        QTRY_COMPARE(focused(), QStringLiteral("field Сообщение"));
        const auto answer = [this] {
            return shown(m_window, [](QAccessibleInterface *node) { return node->role() == QAccessible::Notification; }).value(0);
        };
        QTRY_VERIFY_WITH_TIMEOUT(answer(), 10000);
        // The message itself is there too (once it has faded in).
        QTRY_VERIFY(node(QAccessible::StaticText, answer()->text(QAccessible::Name)));
        QCOMPARE(focused(), QStringLiteral("field Сообщение"));
        QCOMPARE(shown(m_window, [&](QAccessibleInterface *node) { return node->text(QAccessible::Name) == topic; }).size(), before + 1);
        // The assistant's portrait beside her messages is decoration.
        QVERIFY(shown(m_window, [](QAccessibleInterface *node) { return node->role() == QAccessible::Graphic; }).isEmpty());
    }

    // Signed out, the sign-in screen's first field has the focus; its background is one button
    // more, before the form.
    void signingOutLeadsToTheFirstField()
    {
        // While a field is edited the tab bar makes way for the keyboard's bar: "Готово" ends it.
        if (QAccessibleInterface *done = node(QAccessible::PushButton, QStringLiteral("Готово")))
            QVERIFY(press(done));
        QTRY_VERIFY(node(QAccessible::PageTab, QStringLiteral("Главная")));
        QVERIFY(press(node(QAccessible::PageTab, QStringLiteral("Главная"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Привет, Анна 👋")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Привет, Анна 👋"))));
        QTRY_VERIFY(node(QAccessible::PushButton, QStringLiteral("Выйти из приложения")));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Выйти из приложения"))));
        QTRY_COMPARE(focused(), QStringLiteral("dialog Выйти из приложения?"));
        QVERIFY(press(node(QAccessible::PushButton, QStringLiteral("Выйти"))));
        QTRY_COMPARE_WITH_TIMEOUT(focused(), QStringLiteral("field Логин"), 10000);
        QCOMPARE(names(shown(m_window, [](QAccessibleInterface *node) { return node->role() == QAccessible::PushButton; })),
                 QStringList({QStringLiteral("Сменить цвет фона"), QStringLiteral("Показать пароль"), QStringLiteral("Забыли пароль?"),
                              QStringLiteral("Войти")}));
    }
};

QTEST_MAIN(AccessibilityFlowTest)
#include "tst_accessibilityflow.moc"
