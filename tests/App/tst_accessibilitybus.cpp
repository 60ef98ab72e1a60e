#include "appscreens.h"
#include "atspiwalker.h"
#include "taborder.h"

#include "accessiblekit.h"
#include "accessibletree.h"
#include "screenreader.h"

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
        const QString bar = QStringLiteral("Разделы");
        QTest::newRow("home") << "home" << bar << shell << QStringLiteral("Главная");
        QTest::newRow("payments") << "payments" << bar << shell << QStringLiteral("Оплата");
        QTest::newRow("services") << "services" << bar << shell << QStringLiteral("Сервисы");
        QTest::newRow("chat") << "chat" << bar << shell << QStringLiteral("Поддержка");
        QTest::newRow("profile") << "profile" << bar << shell << QStringLiteral("Главная");
        QTest::newRow("request form") << "relocation" << bar << shell << QStringLiteral("Сервисы");
        QTest::newRow("statistics") << "statistics" << bar << shell << QStringLiteral("Главная");
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

    // What a screen reader calls the controls: a field by its label, its sample only describing
    // it; a switch by its label; one choice of several a radio button, any of several a check
    // box; the tab bar and each sheet's dialog by name.
    void controlsAreNamedAndCastForWhatTheyAre_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("partner TV phone") << "24tv account" << "text" << "Номер телефона" << "+7 (999) 123-45-67";
        QTest::newRow("change wanted") << "checkout" << "text" << "С какой суммы нужна сдача?" << "Например, 5 000";
        QTest::newRow("number transfer") << "mobile" << "check box" << "Перенести свой номер" << "Бесплатно";
        QTest::newRow("transfer number") << "mobile" << "text" << "Номер для переноса" << "999 123-45-67";
        QTest::newRow("no base package") << "tv packages" << "radio button" << "Без 24ТВ" << QString();
        QTest::newRow("a base package") << "tv packages" << "radio button" << "Максимальный" << QString();
        QTest::newRow("an add-on") << "tv packages" << "check box" << "AMEDIATEKA" << QString();
        QTest::newRow("no mobile package") << "mobile packages" << "radio button" << "Без мобильной связи" << QString();
        QTest::newRow("a mobile package") << "mobile packages" << "radio button" << "Безлимит" << QString();
        QTest::newRow("tab bar") << "home" << "page tab list" << "Разделы" << QString();
        QTest::newRow("autopay") << "autopay" << "dialog" << "Подключить автоплатёж" << QString();
    }

    void controlsAreNamedAndCastForWhatTheyAre()
    {
        QFETCH(QString, screen);
        QFETCH(QString, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QVERIFY(m_app.open(screen));
        const QList<AtspiWalker::Node> found = m_walker.find(m_walker.node(QAccessible::queryAccessibleInterface(m_app.window)), role, name);
        QCOMPARE(found.size(), 1);
        if (!description.isEmpty())
            QCOMPARE(m_walker.description(found.constFirst()), description);
    }

    // Tab goes round the screen once, in reading order, the shell's tabs included, and back to where
    // it began; Shift+Tab goes the same way back. Every stop is a control a screen reader sees, met
    // once (each page of a carousel too; the chat's list is one stop: its newest message), and the
    // focus ring shows on it: it changes the pixels of the control's box all round it, on the frame
    // as rendered.
    void tabGoesRoundEachScreenOnce_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("includes");
        const QStringList shell{QStringLiteral("page tab \"Главная\""), QStringLiteral("page tab \"Оплата\""),
                                QStringLiteral("page tab \"Сервисы\""), QStringLiteral("page tab \"Поддержка\"")};
        QTest::newRow("home") << "home"
                              << QStringList{QStringLiteral("text \"Поиск по приложению\""), QStringLiteral("push button \"Баланс\""),
                                             QStringLiteral("push button \"Добавить новый адрес\""),
                                             QStringLiteral("push button \"Что входит в тариф\""),
                                             QStringLiteral("push button \"Приведи друга\""), QStringLiteral("push button \"Переезд\""),
                                             QStringLiteral("push button \"Поддержка\"")}
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
        QTest::newRow("shop checkout") << "checkout"
                                       << QStringList{QStringLiteral("push button \"Назад\""), QStringLiteral("radio button \"СБП\""),
                                                      QStringLiteral("text \"Комментарий для инженера\"")}
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
        const TabOrder::Walk forward = TabOrder::walk(m_app.window, false, describer, 150, true);
        const QStringList stops = descriptions(forward);
        QVERIFY2(forward.wrapped, qPrintable(stops.join(QStringLiteral(" → "))));
        int ringed = 0;
        for (const TabOrder::Stop &stop : forward.stops) {
            QVERIFY2(stop.seen, qPrintable(stop.description));
            // At least three quarters of the outline's length: the ring's band around the box (or a field's own outline).
            if (stop.ringPixels >= stop.outline * 3 / 4)
                ++ringed;
            else
                qWarning().noquote() << "no ring on" << stop.description << stop.ringPixels << "of" << stop.outline;
        }
        qInfo().noquote() << screen << ":" << stops.join(QStringLiteral(" → "));
        qInfo().noquote() << screen << ": the ring changed the pixels of" << ringed << "of" << forward.stops.size() << "stops";
        QCOMPARE(ringed, forward.stops.size());
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

    // What changes without moving the focus is said (a notification comes into view, read out
    // unasked), and a result that takes the place of the button that asked for it takes the focus:
    // either reaches a screen reader listening on the bus. Last: with a listener about, the bridge
    // holds each key until the registry has seen it, which the Tab walks above do not wait for.
    void eachChangeReachesAScreenReader_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QStringList>("pressed");
        QTest::addColumn<QString>("heard");
        const QString more = QStringLiteral("Увеличить количество");
        const QString fewer = QStringLiteral("Уменьшить количество");
        QTest::newRow("one more in the cart") << "cart" << QStringList{more} << "notification \"Количество: 2\"";
        QTest::newRow("one fewer in the cart") << "cart" << QStringList{fewer} << "notification \"Количество: 1\"";
        QTest::newRow("the last one taken out") << "cart" << QStringList{fewer} << "notification \"Товар «SNR AX2» удалён из корзины\"";
        QTest::newRow("one more static address") << "static ip" << QStringList{QStringLiteral("Больше")} << "notification \"2 IP-адреса\"";
        QTest::newRow("added from the catalog") << "shop" << QStringList{QStringLiteral("Добавить SNR AX2 в корзину")}
                                                << "notification \"Добавлено в корзину\"";
        QTest::newRow("added on the product's page") << "product" << QStringList{QStringLiteral("Добавить SNR AX2 в корзину")}
                                                     << "notification \"Добавлено в корзину\"";
        QTest::newRow("trust payment") << "trust payment"
                                       << QStringList{QStringLiteral("Подключить доверительный платёж"), QStringLiteral("Подключить")}
                                       << "focused label \"Готово. Доверительный платёж подключён на 3 дня\"";
    }

    void eachChangeReachesAScreenReader()
    {
        QFETCH(QString, screen);
        QFETCH(QStringList, pressed);
        QFETCH(QString, heard);
        AtspiWalker reader;
        QVERIFY2(reader.connect() && reader.listen(QStringLiteral("object:state-changed")), qPrintable(reader.errorString()));
        QVERIFY(m_app.open(screen));
        // The bridge sends nothing until it hears of the listener: the focus is told again until
        // it has.
        QTRY_VERIFY_WITH_TIMEOUT((ScreenReader::announce(m_app.window->activeFocusItem()), !reader.events().isEmpty()), 10000);
        const auto said = [&] {
            QStringList list;
            for (const AtspiWalker::Event &event : reader.events()) {
                if (event.member != QLatin1String("StateChanged") || event.detail1 != 1)
                    continue;
                const QString name = QStringLiteral(" \"") + reader.name(event.node) + QLatin1Char('"');
                if (event.detail == QLatin1String("showing") && reader.role(event.node) == QLatin1String("notification"))
                    list.append(QStringLiteral("notification") + name);
                else if (event.detail == QLatin1String("focused"))
                    list.append(QStringLiteral("focused ") + reader.role(event.node) + name);
            }
            return list;
        };
        for (const QString &name : std::as_const(pressed)) {
            // Pressed as a screen reader presses, once it shows and may be pressed.
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    QAccessibleInterface *button = AccessibleTree::find(m_app.window, QAccessible::Button, name);
                    return button && !button->state().disabled;
                }(),
                10000);
            QVERIFY(AccessibleTree::press(AccessibleTree::find(m_app.window, QAccessible::Button, name)));
        }
        QTRY_VERIFY2_WITH_TIMEOUT(said().contains(heard), qPrintable(said().join(QStringLiteral(", "))), 10000);
    }
};

QTEST_MAIN(AccessibilityBusTest)
#include "tst_accessibilitybus.moc"
