#include "accessiblekit.h"
#include "accessibletree.h"
#include "appscreens.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;
using namespace AppScreens;


// The signed-in app under Qt's real accessibility bridge, worked by keyboard and screen reader:
// Escape cancels a picker, an alert and the chat's message menu (opened by key or by a reader's
// action) and leaves the focus where it was; Return takes the time; the things a reader reads are
// read once, in order, with their state.
class ReaderKeysTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    QQuickWindow *m_window = nullptr;

    QAccessibleInterface *node(QAccessible::Role role, const QString &name) const { return find(m_window, role, name); }

    QAccessibleInterface *startingWith(const QString &prefix) const
    {
        return shown(m_window, [&](QAccessibleInterface *n) { return n->text(QAccessible::Name).startsWith(prefix); }).value(0);
    }

    static QString as(QAccessible::Role role, const QString &name) { return QString::number(role, 16) + QLatin1Char(' ') + name; }

    // The innermost focused node shown, as as() writes it.
    QString focused() const
    {
        QString found;
        visit(tree(m_window), [&](QAccessibleInterface *n) {
            if (!n->state().invisible && n->state().focused)
                found = as(n->role(), n->text(QAccessible::Name));
        });
        return found;
    }

    qsizetype countNamed(const QString &name) const
    {
        return shown(m_window, [&](QAccessibleInterface *n) { return n->text(QAccessible::Name) == name; }).size();
    }

    void key(Qt::Key key) { QTest::keyClick(m_window, key); }

private Q_SLOTS:
    void initTestCase()
    {
        AccessibleTree::recordFocusEvents();
        AccessibleKit::install();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
        const QString failure = m_app.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        m_window = m_app.window;
    }

    void cleanupTestCase() { m_app.stop(); }

    void cleanup()
    {
        if (m_app.appWindow.app->signedIn())
            m_app.closeAll();
    }

    // The visit time: Escape gives back the time the wheels opened on, Return and Enter keep the
    // one turned to; both leave the focus on the field. The wheels read as Russian counts, in
    // their order, and only the five values in the wheel's frame show.
    void visitTimeByKeyboard_data()
    {
        QTest::addColumn<int>("closingKey");
        QTest::addColumn<int>("hoursLater");
        QTest::newRow("Escape") << int(Qt::Key_Escape) << 0;
        QTest::newRow("Return") << int(Qt::Key_Return) << 1;
        QTest::newRow("Enter") << int(Qt::Key_Enter) << 1;
    }

    void visitTimeByKeyboard()
    {
        QFETCH(int, closingKey);
        QFETCH(int, hoursLater);
        QQuickItem *form = m_app.open(QStringLiteral("tariff order"));
        QVERIFY(form);
        QTRY_VERIFY(startingWith(QStringLiteral("Время, ")));
        // Late in the hour, at the minute wheel's end, where the minutes once slid.
        form->property("order").value<QObject *>()->setProperty("visitTime", QDateTime(QDate(2026, 12, 7), QTime(12, 58)));
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Время, 12:58")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Время, 12:58"))));
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("12 часов")));

        // Once open, and once the list has made rows beside its frame too: they follow its order,
        // and only the frame's five show.
        QAccessibleInterface *hours = node(QAccessible::List, QStringLiteral("Часы"));
        QVERIFY(hours);
        QTRY_VERIFY(hours->childCount() > 8);
        const auto inFrame = [hours] {
            QStringList names;
            for (int i = 0; i < hours->childCount(); ++i) {
                if (!hours->child(i)->state().offscreen)
                    names.append(hours->child(i)->text(QAccessible::Name));
            }
            return names;
        };
        QTRY_COMPARE(inFrame(), QStringList({"10 часов", "11 часов", "12 часов", "13 часов", "14 часов"}));
        for (int i = 1; i < hours->childCount(); ++i) {
            const QString name = hours->child(i)->text(QAccessible::Name);
            QCOMPARE(name.section(QLatin1Char(' '), 0, 0).toInt(), hours->child(i - 1)->text(QAccessible::Name).section(QLatin1Char(' '), 0, 0).toInt() + 1);
        }
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("21 час")) && node(QAccessible::Button, QStringLiteral("22 часа")));

        key(Qt::Key_Down);
        key(Qt::Key_Up);
        key(Qt::Key_Down);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("13 часов")));
        key(Qt::Key_Right);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("58 минут")));
        key(Qt::Key(closingKey));
        const QString field = QStringLiteral("Время, %1:58").arg(12 + hoursLater);
        QTRY_COMPARE(focused(), as(QAccessible::Button, field));
        QVERIFY(!node(QAccessible::Dialog, QStringLiteral("Время")));
    }

    // Down from the last week of a month: one focus, on the day a week on, named.
    void calendarPagesToANamedDay()
    {
        QQuickItem *form = m_app.open(QStringLiteral("tariff order"));
        QVERIFY(form);
        form->property("order").value<QObject *>()->setProperty("visitDate", QDateTime(QDate(2026, 12, 29), QTime(9, 0)));
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Дата, 29.12.2026")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Дата, 29.12.2026"))));
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("29 декабря 2026")));
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Down);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("5 января 2027")));
        QCOMPARE(AccessibleTree::focusEvents(), QStringList({QStringLiteral("5 января 2027")}));
        key(Qt::Key_Escape);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Дата, 29.12.2026")));
    }

    // A choice of several reads as radio buttons, the chosen one checked: the tariff chooser's
    // plans, the top-up's amounts.
    void theChoiceIsChecked_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("plans") << QStringLiteral("qrc:/qt/qml/Tarvik/Services/TariffSelectionView.qml");
        QTest::newRow("amounts") << QStringLiteral("top-up");
    }

    void theChoiceIsChecked()
    {
        QFETCH(QString, screen);
        if (screen.startsWith(QLatin1String("qrc:"))) {
            QVariant pushed;
            QVERIFY(QMetaObject::invokeMethod(m_app.navigator.get(), "push", Q_RETURN_ARG(QVariant, pushed), Q_ARG(QVariant, 2),
                                              Q_ARG(QVariant, screen), Q_ARG(QVariant, QVariantMap())));
        } else {
            QVERIFY(m_app.open(screen));
        }
        const auto choices = [this] { return shown(m_window, [](QAccessibleInterface *n) { return n->role() == QAccessible::RadioButton; }); };
        QTRY_VERIFY(choices().size() > 2);
        for (const int chosen : {0, 1}) {
            QVERIFY(press(choices().at(chosen)));
            for (int i = 0; i < choices().size(); ++i)
                QTRY_COMPARE(choices().at(i)->state().checked, i == chosen);
        }
    }

    // Each of these is read once on its screen (the heading and the intro card, the dialog and
    // its page, the header and the phone row, the comment and its label), and the history rows
    // offer their text as other labels do.
    void readOnce()
    {
        QQuickItem *form = m_app.open(QStringLiteral("tariff order"));
        QVERIFY(form);
        QTRY_COMPARE(countNamed(QStringLiteral("Комментарий для специалиста")), 1);
        m_app.closeAll();

        m_app.shell->setProperty("selectedTab", 1);
        QTRY_VERIFY(startingWith(QStringLiteral("СБП, 01.12.2026")));
        QVERIFY(startingWith(QStringLiteral("СБП, 01.12.2026"))->textInterface());
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Заявления"))));
        QTRY_VERIFY(node(QAccessible::Heading, QStringLiteral("Заявления")));
        QTRY_COMPARE(countNamed(QStringLiteral("Заявления")), 1);
        m_app.closeAll();

        AccessibleTree::focusEvents().clear();
        QVERIFY(m_app.open(QStringLiteral("top-up")));
        QTRY_COMPARE(focused(), as(QAccessible::Dialog, QStringLiteral("Пополнение")));
        QTRY_COMPARE(countNamed(QStringLiteral("Пополнение")), 1);
        QCOMPARE(AccessibleTree::focusEvents(), QStringList({QStringLiteral("Пополнение")}));
    }

    // The sign-out question goes with Escape, as with "Отмена": still signed in, back on the
    // button. The profile reads its phone once.
    void escapeKeepsTheSession()
    {
        QVERIFY(press(startingWith(QStringLiteral("Привет"))));
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Выйти из приложения")));
        QCOMPARE(shown(m_window, [](QAccessibleInterface *n) { return n->text(QAccessible::Name).contains("345-67-89"); }).size(), 1);
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Выйти из приложения"))));
        QTRY_COMPARE(focused(), as(QAccessible::Dialog, QStringLiteral("Выйти из приложения?")));
        key(Qt::Key_Escape);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Выйти из приложения")));
        QVERIFY(!node(QAccessible::Dialog, QStringLiteral("Выйти из приложения?")));
        QVERIFY(m_app.appWindow.app->signedIn());
    }

    // A message reached by keyboard from the message field opens its menu with the Menu key or
    // Shift+F10, and a reader opens it by the message's action. The menu is a dialog by name, and
    // Escape hands the focus back to the message; "Редактировать" leaves it in the message field,
    // and so does sending the edit with the send button.
    void messageMenuByKeyboardAndReader_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Menu") << QStringLiteral("Menu");
        QTest::newRow("Shift+F10") << QStringLiteral("Shift+F10");
        QTest::newRow("reader") << QStringLiteral("reader");
    }

    void messageMenuByKeyboardAndReader()
    {
        QFETCH(QString, way);
        m_app.shell->setProperty("selectedTab", 3);
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Нет интернета")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Нет интернета"))));
        const QString message = QStringLiteral("У меня не работает интернет. Помогите найти причину.");
        QTRY_COMPARE(focused(), as(QAccessible::EditableText, QStringLiteral("Сообщение")));
        QQuickItem *list = findItem(m_window->contentItem(), [](QQuickItem *item) { return item->objectName() == "messageList" && item->isVisible(); });
        QVERIFY(list);
        QTRY_COMPARE(list->property("conversation").value<QObject *>()->property("pendingResponses").toInt(), 0);

        // Back past the quick topics into the list, on the answer; up to the message, which alone
        // is read.
        for (int i = 0; i < 20 && !focused().startsWith(as(QAccessible::StaticText, QString())); ++i)
            QTest::keyClick(m_window, Qt::Key_Tab, Qt::ShiftModifier);
        AccessibleTree::focusEvents().clear();
        key(Qt::Key_Up);
        QTRY_COMPARE(focused(), as(QAccessible::StaticText, message));
        QCOMPARE(AccessibleTree::focusEvents(), QStringList{message});

        const auto openMenu = [&] {
            if (way == QLatin1String("Menu"))
                key(Qt::Key_Menu);
            else if (way == QLatin1String("Shift+F10"))
                QTest::keyClick(m_window, Qt::Key_F10, Qt::ShiftModifier);
            else
                node(QAccessible::StaticText, message)->actionInterface()->doAction(QStringLiteral("Показать меню"));
        };
        openMenu();
        QTRY_COMPARE(focused(), as(QAccessible::Dialog, QStringLiteral("Действия с сообщением")));
        key(Qt::Key_Escape);
        QTRY_COMPARE(focused(), as(QAccessible::StaticText, message));

        openMenu();
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Редактировать")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Редактировать"))));
        QTRY_COMPARE(focused(), as(QAccessible::EditableText, QStringLiteral("Сообщение")));
        key(Qt::Key_Tab);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Отправить сообщение")));
        key(Qt::Key_Return);
        QTRY_COMPARE(focused(), as(QAccessible::EditableText, QStringLiteral("Сообщение")));
        QVERIFY(!list->property("conversation").value<QObject *>()->property("editing").toBool());
    }

    // Signed out, Tab goes from the password to "Показать пароль" and on.
    void showPasswordIsOnTheTabPath()
    {
        QVERIFY(press(startingWith(QStringLiteral("Привет"))));
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Выйти из приложения")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Выйти из приложения"))));
        QTRY_VERIFY(node(QAccessible::Button, QStringLiteral("Выйти")));
        QVERIFY(press(node(QAccessible::Button, QStringLiteral("Выйти"))));
        QTRY_COMPARE_WITH_TIMEOUT(focused(), as(QAccessible::EditableText, QStringLiteral("Логин")), 10000);
        key(Qt::Key_Tab);
        QTRY_COMPARE(focused(), as(QAccessible::EditableText, QStringLiteral("Пароль")));
        key(Qt::Key_Tab);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Показать пароль")));
        key(Qt::Key_Return);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Скрыть пароль")));
        key(Qt::Key_Tab);
        QTRY_COMPARE(focused(), as(QAccessible::Button, QStringLiteral("Забыли пароль?")));
    }
};

QTEST_MAIN(ReaderKeysTest)
#include "tst_readerkeys.moc"
