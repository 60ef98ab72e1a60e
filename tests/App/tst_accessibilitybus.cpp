#include "appscreens.h"
#include "atspiwalker.h"
#include "taborder.h"

#include "accessiblekit.h"

#include <QDeadlineTimer>
#include <QTest>

using namespace AppScreens;

// The signed-in app as a screen reader and a keyboard user meet it, against the stand-in: its tab
// lists read over the accessibility bus, through Qt's real bridge, and the Tab order of its main
// screens.
class AccessibilityBusTest : public QObject
{
    Q_OBJECT

private:
    SignedInApp m_app;
    AtspiWalker m_walker;

    QString describe(QAccessibleInterface *interface)
    {
        const AtspiWalker::Node node = m_walker.node(interface);
        return m_walker.role(node) + QStringLiteral(" \"") + m_walker.name(node) + QLatin1Char('"');
    }

    static QStringList descriptions(const TabOrder::Walk &walk)
    {
        QStringList list;
        for (const TabOrder::Stop &stop : walk.stops)
            list.append(stop.description);
        return list;
    }

private Q_SLOTS:
    void initTestCase()
    {
        AccessibleKit::install();
        const QString failed = m_app.start();
        QVERIFY2(failed.isEmpty(), qPrintable(failed));
        QVERIFY2(m_walker.connect(), qPrintable(m_walker.errorString()));
    }

    void cleanupTestCase() { m_app.stop(); }

    void cleanup() { m_app.closeAll(); }

    // Each tab list holds its tabs as its children, in order, each a page tab with its name, its
    // place in the list, and the selected state on the shown one alone; the shell's four are found
    // on every screen where its bar shows.
    void tabListsHoldTheirTabs_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("tabs");
        QTest::addColumn<QString>("selected");
        const QStringList shell{QStringLiteral("Главная"), QStringLiteral("Оплата"), QStringLiteral("Сервисы"), QStringLiteral("Поддержка")};
        QTest::newRow("home") << "home" << QString() << shell << QStringLiteral("Главная");
        QTest::newRow("payments") << "payments" << QString() << shell << QStringLiteral("Оплата");
        QTest::newRow("services") << "services" << QString() << shell << QStringLiteral("Сервисы");
        QTest::newRow("chat") << "chat" << QString() << shell << QStringLiteral("Поддержка");
        QTest::newRow("profile") << "profile" << QString() << shell << QStringLiteral("Главная");
        QTest::newRow("request form") << "relocation" << QString() << shell << QStringLiteral("Сервисы");
        QTest::newRow("statistics") << "statistics" << QString() << shell << QStringLiteral("Главная");
        QTest::newRow("statistics period") << "statistics" << QStringLiteral("Период")
                                           << QStringList{QStringLiteral("Месяц"), QStringLiteral("3 месяца"), QStringLiteral("Год")}
                                           << QStringLiteral("Месяц");
        QTest::newRow("support section") << "chat" << QStringLiteral("Раздел поддержки")
                                         << QStringList{QStringLiteral("Онлайн-чат"), QStringLiteral("Офис")} << QStringLiteral("Онлайн-чат");
        QTest::newRow("tariff category") << "tariffs" << QStringLiteral("Категория тарифа")
                                         << QStringList{QStringLiteral("Интернет"), QStringLiteral("Интернет + ТВ"),
                                                        QStringLiteral("Интернет + связь")}
                                         << QStringLiteral("Интернет");
    }

    void tabListsHoldTheirTabs()
    {
        QFETCH(QString, screen);
        QFETCH(QString, list);
        QFETCH(QStringList, tabs);
        QFETCH(QString, selected);
        QVERIFY(m_app.open(screen));
        const AtspiWalker::Node window = m_walker.node(QAccessible::queryAccessibleInterface(m_app.window));
        // Found from the window, as a screen reader's review of it finds it (once the screen has
        // been drawn: reading the tree takes a while, so it is read again only every so often).
        QList<AtspiWalker::Node> lists;
        const QDeadlineTimer deadline(10000);
        for (;;) {
            lists = m_walker.find(window, QStringLiteral("page tab list"));
            lists.removeIf([&](const AtspiWalker::Node &node) { return m_walker.name(node) != list; });
            if (lists.size() == 1 || deadline.hasExpired())
                break;
            QTest::qWait(100);
        }
        QCOMPARE(lists.size(), 1);
        const QList<AtspiWalker::Node> children = m_walker.children(lists.constFirst());
        QStringList names;
        QStringList chosen;
        for (qsizetype i = 0; i < children.size(); ++i) {
            const AtspiWalker::Node &tab = children.at(i);
            names.append(m_walker.name(tab));
            QCOMPARE(m_walker.role(tab), QStringLiteral("page tab"));
            QCOMPARE(m_walker.indexInParent(tab), int(i));
            QCOMPARE(m_walker.parent(tab), lists.constFirst());
            const QStringList states = m_walker.states(tab);
            QVERIFY2(states.contains(QStringLiteral("showing")) && states.contains(QStringLiteral("focusable")), qPrintable(states.join(' ')));
            if (states.contains(QStringLiteral("selected")))
                chosen.append(names.constLast());
        }
        QCOMPARE(names, tabs);
        QCOMPARE(chosen, QStringList{selected});
    }

    // Every node a screen reader reaches from the window says it is where it was found: its parent
    // is the node that lists it, at the index it was listed at (a text area too).
    void everyNodeIsWhereItsParentListsIt_data()
    {
        QTest::addColumn<QString>("screen");
        for (const char *screen : {"home", "payments", "statistics", "chat", "request form", "tariff connection"})
            QTest::newRow(screen) << QString::fromLatin1(screen);
    }

    void everyNodeIsWhereItsParentListsIt()
    {
        QFETCH(QString, screen);
        const QHash<QString, QString> opened{{QStringLiteral("request form"), QStringLiteral("relocation")},
                                             {QStringLiteral("tariff connection"), QStringLiteral("tariff order")}};
        QVERIFY(m_app.open(opened.value(screen, screen)));
        QStringList misplaced;
        int nodes = 0;
        const std::function<void(const AtspiWalker::Node &)> check = [&](const AtspiWalker::Node &node) {
            const QList<AtspiWalker::Node> children = m_walker.children(node);
            for (qsizetype i = 0; i < children.size(); ++i) {
                ++nodes;
                const AtspiWalker::Node &child = children.at(i);
                if (m_walker.indexInParent(child) != i || !(m_walker.parent(child) == node))
                    misplaced.append(m_walker.role(child) + QStringLiteral(" \"") + m_walker.name(child) + QLatin1Char('"'));
                check(child);
            }
        };
        check(m_walker.node(QAccessible::queryAccessibleInterface(m_app.window)));
        QVERIFY(nodes > 20);
        QVERIFY2(misplaced.isEmpty(), qPrintable(misplaced.join(QStringLiteral(", "))));
    }

    // Tab goes round the screen once, in reading order, the shell's tabs included, and back to where
    // it began; Shift+Tab goes the same way back. Every stop is a control a screen reader sees, met
    // once (a carousel is one stop: the page it shows; the chat's list too: its newest message).
    void tabGoesRoundEachScreenOnce_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("includes");
        const QStringList shell{QStringLiteral("page tab \"Главная\""), QStringLiteral("page tab \"Оплата\""),
                                QStringLiteral("page tab \"Сервисы\""), QStringLiteral("page tab \"Поддержка\"")};
        QTest::newRow("home") << "home"
                              << QStringList{QStringLiteral("text \"Поиск по приложению\""), QStringLiteral("push button \"Баланс\""),
                                             QStringLiteral("push button \"Что входит в тариф\""),
                                             QStringLiteral("push button \"Приведи друга\""), QStringLiteral("push button \"Поддержка\"")}
                                     + shell;
        QTest::newRow("payments") << "payments" << QStringList{QStringLiteral("push button \"Пополнить баланс\"")} + shell;
        QTest::newRow("statistics") << "statistics"
                                    << QStringList{QStringLiteral("push button \"Назад\""), QStringLiteral("page tab \"Месяц\""),
                                                   QStringLiteral("page tab \"Год\"")}
                                           + shell;
        QTest::newRow("services") << "services" << QStringList{QStringLiteral("text \"Поиск сервисов\"")} + shell;
        QTest::newRow("chat") << "chat"
                              << QStringList{QStringLiteral("page tab \"Офис\""),
                                             QStringLiteral("label \"Здравствуйте! Меня зовут Мария. Я помогу с оплатой, тарифом, услугами и заявками.\""),
                                             QStringLiteral("push button \"Нет интернета\""),
                                             QStringLiteral("push button \"Позвать оператора\""), QStringLiteral("text \"Сообщение\"")}
                                     + shell;
        QTest::newRow("profile") << "profile" << QStringList{QStringLiteral("push button \"Выйти из приложения\"")} + shell;
        QTest::newRow("request form") << "relocation"
                                      << QStringList{QStringLiteral("push button \"Назад\""), QStringLiteral("text \"Новый адрес\""),
                                                     QStringLiteral("text \"Комментарий\"")}
                                             + shell;
        QTest::newRow("tariff connection") << "tariff order"
                                           << QStringList{QStringLiteral("text \"Комментарий для специалиста\""),
                                                          QStringLiteral("push button \"Отправить заявку\"")}
                                                  + shell;
    }

    void tabGoesRoundEachScreenOnce()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, includes);
        QVERIFY(m_app.open(screen));
        const auto describer = [this](QAccessibleInterface *interface) { return describe(interface); };
        const TabOrder::Walk forward = TabOrder::walk(m_app.window, false, describer);
        const QStringList stops = descriptions(forward);
        QVERIFY2(forward.wrapped, qPrintable(stops.join(QStringLiteral(" → "))));
        for (const TabOrder::Stop &stop : forward.stops)
            QVERIFY2(stop.seen, qPrintable(stop.description));
        for (const QString &control : includes)
            QVERIFY2(stops.count(control) == 1, qPrintable(control + QStringLiteral(" in ") + stops.join(QStringLiteral(" → "))));
        // The shell's tabs close the round, as they close the screen: from the screen's first
        // control on, they come last.
        QStringList round = stops;
        const qsizetype last = round.indexOf(includes.constLast());
        std::rotate(round.begin(), round.begin() + last + 1, round.end());
        QCOMPARE(round.mid(round.size() - 4), includes.mid(includes.size() - 4));

        const TabOrder::Walk backward = TabOrder::walk(m_app.window, true, describer);
        QVERIFY(backward.wrapped);
        QStringList back = descriptions(backward);
        std::reverse(back.begin(), back.end());
        QCOMPARE(back, stops);
    }
};

QTEST_MAIN(AccessibilityBusTest)
#include "tst_accessibilitybus.moc"
