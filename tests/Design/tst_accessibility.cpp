#include "accessiblekit.h"
#include "accessibletree.h"
#include "lazywebengine.h"

#include <QAccessible>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;

// The design kit as a screen reader meets it, through Qt's accessibility interfaces.
class AccessibilityTest : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_root;

    QQuickWindow *show(const QByteArray &body) { return showKitWindow(m_engine, body, m_root); }

    QQuickItem *named(const QString &objectName) const { return m_root->findChild<QQuickItem *>(objectName); }

    static QList<QAccessibleInterface *> withRole(QQuickWindow *window, QAccessible::Role role)
    {
        return shown(window, [&](QAccessibleInterface *node) { return node->role() == role; });
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        AccessibleKit::install();
        LazyWebEngine::followScreenReader();
    }

    void cleanup() { m_root.reset(); }

    void buttonsPressByActionAndReportTheirStates()
    {
        QQuickWindow *window = show(R"(
            property int presses: 0
            Column {
                TarvikButton { text: "Войти"; onClicked: window.presses += 1 }
                TarvikButton { text: "Отправить"; enabled: false; onClicked: window.presses += 10 }
                SymbolButton { symbol: "xmark"; text: "Закрыть"; onClicked: window.presses += 100 }
                PrimaryGlassButton { title: "Понятно"; icon: "checkmark"; onClicked: window.presses += 1000 }
                ServiceRow { icon: "wifi"; title: "Тарифы"; subtitle: "Сменить тариф"; onClicked: window.presses += 10000 }
            })");
        QVERIFY(window);

        QAccessibleInterface *signIn = find(window, QAccessible::PushButton, QStringLiteral("Войти"));
        QVERIFY(signIn);
        QVERIFY(press(signIn));
        QCOMPARE(m_root->property("presses").toInt(), 1);
        QCOMPARE(signIn->childCount(), 0); // its label is its name, not a child to read again

        // A disabled button says so and does nothing.
        QAccessibleInterface *send = find(window, QAccessible::PushButton, QStringLiteral("Отправить"));
        QVERIFY(send);
        QVERIFY(send->state().disabled);
        QVERIFY(!signIn->state().disabled);
        press(send);
        QCOMPARE(m_root->property("presses").toInt(), 1);

        QVERIFY(press(find(window, QAccessible::PushButton, QStringLiteral("Закрыть"))));
        QVERIFY(press(find(window, QAccessible::PushButton, QStringLiteral("Понятно"))));
        QCOMPARE(m_root->property("presses").toInt(), 1101);

        // A row shown inside a button is read as the button: title as name, subtitle as description.
        QAccessibleInterface *row = find(window, QAccessible::PushButton, QStringLiteral("Тарифы"));
        QVERIFY(row);
        QCOMPARE(row->text(QAccessible::Description), QStringLiteral("Сменить тариф"));
        QVERIFY(press(row));
        QCOMPARE(m_root->property("presses").toInt(), 11101);
    }

    // The brand background is one button that changes the palette as a tap does, and Tab goes
    // from field to field past it.
    void backgroundIsOneButtonOutOfTheTabOrder()
    {
        QQuickWindow *window = show(R"(
            TarvikBackground { id: background; objectName: "background"; anchors.fill: parent; reduceMotion: true }
            Column {
                y: 300
                TarvikTextField { objectName: "login"; width: 300; placeholderText: "Логин"; Accessible.name: "Логин" }
                TarvikButton { objectName: "signIn"; text: "Войти" }
            })");
        QVERIFY(window);
        QQuickItem *background = named(QStringLiteral("background"));

        const QList<QAccessibleInterface *> buttons
            = shown(window, [](QAccessibleInterface *node) { return node->text(QAccessible::Name) == QStringLiteral("Сменить цвет фона"); });
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(buttons.constFirst()->role(), QAccessible::Button);
        QVERIFY(!buttons.constFirst()->state().focusable);
        for (int expected : {1, 2, 0}) {
            QVERIFY(press(buttons.constFirst()));
            QCOMPARE(background->property("paletteIndex").toInt(), expected);
        }

        named(QStringLiteral("login"))->forceActiveFocus();
        QSet<QQuickItem *> reached;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(window, Qt::Key_Tab);
            reached.insert(window->activeFocusItem());
        }
        QCOMPARE(reached.size(), 2);
        for (QQuickItem *item : reached)
            QVERIFY(!background->isAncestorOf(item));
    }

    // A list row is one node: a button when it presses, with its other texts as its description
    // and its choice as its checked state, else one text; its texts and icons are not read again.
    void listRowsAreReadAsOneNode()
    {
        QQuickWindow *window = show(R"(
            property bool chosen: false
            Column {
                ListRow {
                    width: 393; title: "Телефон"; value: "+7 (912) 345-67-89"
                    leading: SymbolTile { symbol: "phone" }
                }
                ListRow {
                    width: 393; title: "E-mail"; value: "anna@mail.ru"; pressable: true
                    accessory: SymbolImage { name: "chevron.right" }
                }
                ListRow {
                    width: 393; title: "Оптимальный"; subtitle: "30 ГБ"; value: "300 ₽"
                    pressable: true; checkable: true; checked: window.chosen
                    onClicked: window.chosen = !window.chosen
                }
            })");
        QVERIFY(window);
        const auto mentioning = [&](const QString &text) {
            return shown(window, [&](QAccessibleInterface *node) {
                       return node->text(QAccessible::Name).contains(text) || node->text(QAccessible::Description).contains(text);
                   })
                .size();
        };
        for (const QString &text : {QStringLiteral("Телефон"), QStringLiteral("anna@mail.ru"), QStringLiteral("30 ГБ")})
            QCOMPARE(mentioning(text), 1);

        QCOMPARE(shown(window).size(), 1 + 3); // the window and one node a row
        QAccessibleInterface *phone = find(window, QAccessible::StaticText, QStringLiteral("Телефон, +7 (912) 345-67-89"));
        QVERIFY(phone);
        QCOMPARE(phone->childCount(), 0);
        QAccessibleInterface *email = find(window, QAccessible::PushButton, QStringLiteral("E-mail"));
        QVERIFY(email);
        QCOMPARE(email->text(QAccessible::Description), QStringLiteral("anna@mail.ru"));

        QAccessibleInterface *package = find(window, QAccessible::CheckBox, QStringLiteral("Оптимальный"));
        QVERIFY(package);
        QCOMPARE(package->text(QAccessible::Description), QStringLiteral("30 ГБ, 300 ₽"));
        QVERIFY(package->state().checkable);
        QVERIFY(!package->state().checked);
        QVERIFY(press(package));
        QVERIFY(m_root->property("chosen").toBool());
        QVERIFY(package->state().checked);
    }

    void segmentedPickerChecksExactlyOneSegment_data()
    {
        QTest::addColumn<bool>("accepts");
        QTest::addColumn<QString>("checked");
        QTest::newRow("the screen takes the choice") << true << QStringLiteral("Неделя");
        QTest::newRow("the screen keeps its own") << false << QStringLiteral("День");
    }

    void segmentedPickerChecksExactlyOneSegment()
    {
        QFETCH(bool, accepts);
        QFETCH(QString, checked);
        QQuickWindow *window = show(R"(
            property int period: 0
            property bool accepts: true
            SegmentedPicker {
                width: 300
                model: ["День", "Неделя", "Месяц"]
                label: "Период"
                currentIndex: window.period
                onActivated: index => { if (window.accepts) window.period = index }
            })");
        QVERIFY(window);
        m_root->setProperty("accepts", accepts);

        QVERIFY(press(find(window, QAccessible::PageTab, QStringLiteral("Неделя"))));
        const QList<QAccessibleInterface *> segments = withRole(window, QAccessible::PageTab);
        QCOMPARE(names(segments), QStringList({QStringLiteral("День"), QStringLiteral("Неделя"), QStringLiteral("Месяц")}));
        QStringList checkedSegments;
        for (QAccessibleInterface *segment : segments) {
            QVERIFY(segment->state().checkable);
            if (segment->state().checked)
                checkedSegments.append(segment->text(QAccessible::Name));
        }
        QCOMPARE(checkedSegments, QStringList{checked});
    }

    void fieldsAreNamedAndEditedThroughTheInterface()
    {
        QQuickWindow *window = show(R"(
            Column {
                width: 393
                TarvikTextField { objectName: "login"; width: 393; placeholderText: "Введите логин"; Accessible.name: "Логин" }
                TarvikTextField { objectName: "search"; width: 393; placeholderText: "Поиск сервисов" }
                // A field with a rule of its own, applied to every edit as the phone field's is.
                TarvikTextField {
                    objectName: "digits"; width: 393; placeholderText: "Телефон"
                    property string digits: ""
                    onTextEdited: { digits = text.replace(/[^0-9]/g, ""); text = digits }
                }
            })");
        QVERIFY(window);

        // The visible label names a field; without one, its placeholder does.
        QAccessibleInterface *login = find(window, QAccessible::EditableText, QStringLiteral("Логин"));
        QVERIFY(login);
        QVERIFY(find(window, QAccessible::EditableText, QStringLiteral("Поиск сервисов")));

        QVERIFY(setText(login, QStringLiteral("demo")));
        QCOMPARE(named(QStringLiteral("login"))->property("text").toString(), QStringLiteral("demo"));
        QCOMPARE(login->text(QAccessible::Value), QStringLiteral("demo"));

        // An edit through the interface goes through the field's own rules, as typing does.
        QAccessibleInterface *phone = find(window, QAccessible::EditableText, QStringLiteral("Телефон"));
        QVERIFY(setText(phone, QStringLiteral("+7 9a99 123")));
        QCOMPARE(named(QStringLiteral("digits"))->property("digits").toString(), QStringLiteral("7999123"));
        QAccessibleEditableTextInterface *editable = phone->editableTextInterface();
        editable->insertText(phone->textInterface()->characterCount(), QStringLiteral("4"));
        QCOMPARE(named(QStringLiteral("digits"))->property("digits").toString(), QStringLiteral("79991234"));

        // Nothing is typed into a read-only field.
        named(QStringLiteral("login"))->setProperty("readOnly", true);
        QVERIFY(!login->state().editable);
        setText(login, QStringLiteral("other"));
        QCOMPARE(named(QStringLiteral("login"))->property("text").toString(), QStringLiteral("demo"));
    }

    void passwordShowsOnlyItsMask()
    {
        QQuickWindow *window = show(R"(
            TarvikTextField {
                objectName: "password"
                width: 393
                placeholderText: "Пароль"
                echoMode: TextInput.Password
                Accessible.name: "Пароль"
            })");
        QVERIFY(window);
        QAccessibleInterface *field = find(window, QAccessible::EditableText, QStringLiteral("Пароль"));
        QVERIFY(field);
        QVERIFY(setText(field, QStringLiteral("tarvik2026")));
        QQuickItem *password = named(QStringLiteral("password"));
        QCOMPARE(password->property("text").toString(), QStringLiteral("tarvik2026"));

        QVERIFY(field->state().passwordEdit);
        const QString mask(10, QChar(0x2022));
        QCOMPARE(field->text(QAccessible::Value), mask);
        QAccessibleTextInterface *text = field->textInterface();
        QCOMPARE(text->characterCount(), 10);
        QCOMPARE(text->text(0, 10), mask);
        int start = 0;
        int end = 0;
        QCOMPARE(text->textAtOffset(3, QAccessible::LineBoundary, &start, &end), mask);
        // Nowhere in the window does any part of it show.
        visit(tree(window), [](QAccessibleInterface *node) {
            for (const QAccessible::Text type : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
                QVERIFY(!node->text(type).contains(QStringLiteral("tarvik")));
        });

        // Shown on purpose, it reads as shown.
        password->setProperty("echoMode", 0);
        QVERIFY(!field->state().passwordEdit);
        QCOMPARE(field->text(QAccessible::Value), QStringLiteral("tarvik2026"));
    }

    // A screen reader moving by word (or reading with word echo) asks for the word at an offset;
    // over a password's mask Qt's own answer never came back.
    void passwordIsReadAsItsMaskByEveryBoundary_data()
    {
        QTest::addColumn<int>("boundary");
        QTest::addColumn<QString>("at");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        const QString mask(10, QChar(0x2022));
        const QString one(1, QChar(0x2022));
        QTest::newRow("character") << int(QAccessible::CharBoundary) << one << one << one;
        QTest::newRow("word") << int(QAccessible::WordBoundary) << mask << QString() << QString();
        QTest::newRow("sentence") << int(QAccessible::SentenceBoundary) << mask << QString() << QString();
        QTest::newRow("line") << int(QAccessible::LineBoundary) << mask << QString() << QString();
        QTest::newRow("whole") << int(QAccessible::NoBoundary) << mask << QString() << QString();
    }

    void passwordIsReadAsItsMaskByEveryBoundary()
    {
        QFETCH(int, boundary);
        QFETCH(QString, at);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QQuickWindow *window = show(R"(
            TarvikTextField { width: 393; echoMode: TextInput.Password; placeholderText: "Пароль" })");
        QVERIFY(window);
        QAccessibleInterface *field = find(window, QAccessible::EditableText, QStringLiteral("Пароль"));
        QVERIFY(setText(field, QStringLiteral("tarvik 2026")));
        QAccessibleTextInterface *text = field->textInterface();
        QCOMPARE(text->characterCount(), 11);
        const auto type = QAccessible::TextBoundaryType(boundary);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(3, type, &start, &end), at.size() == 1 ? at : QString(11, QChar(0x2022)));
        QCOMPARE(end - start, at.size() == 1 ? 1 : 11);
        QCOMPARE(text->textBeforeOffset(3, type, &start, &end), before);
        QCOMPARE(text->textAfterOffset(3, type, &start, &end), after);
    }

    // Desktop users of a screen reader press Return: it presses what has the focus, as Space does,
    // and a field keeps its own Return.
    void returnAndEnterPressTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::newRow("button, Return") << QStringLiteral("Войти") << int(Qt::Key_Return) << 1;
        QTest::newRow("button, Enter") << QStringLiteral("Войти") << int(Qt::Key_Enter) << 1;
        QTest::newRow("tab") << QStringLiteral("Оплата") << int(Qt::Key_Return) << 100;
        QTest::newRow("segment") << QStringLiteral("Неделя") << int(Qt::Key_Enter) << 1000;
        QTest::newRow("disabled button") << QStringLiteral("Отправить") << int(Qt::Key_Return) << 0;
        QTest::newRow("field") << QStringLiteral("Сумма") << int(Qt::Key_Return) << 10000;
        QTest::newRow("list row, Return") << QStringLiteral("Тарифы") << int(Qt::Key_Return) << 100000;
        QTest::newRow("list row, Space") << QStringLiteral("Тарифы") << int(Qt::Key_Space) << 100000;
    }

    void returnAndEnterPressTheFocusedButton()
    {
        QFETCH(QString, focused);
        QFETCH(int, key);
        QFETCH(int, presses);
        QQuickWindow *window = show(R"(
            property int presses: 0
            Column {
                TarvikButton { text: "Войти"; onClicked: window.presses += 1 }
                T.TabButton { text: "Оплата"; onClicked: window.presses += 100 }
                SegmentedPicker { width: 300; model: ["День", "Неделя"]; label: "Период"; onActivated: window.presses += 1000 }
                TarvikButton { text: "Отправить"; enabled: false; onClicked: window.presses += 1 }
                TarvikTextField { width: 393; placeholderText: "Сумма"; onAccepted: window.presses += 10000 }
                ListRow { width: 393; title: "Тарифы"; pressable: true; onClicked: window.presses += 100000 }
            })");
        QVERIFY(window);
        const QList<QAccessibleInterface *> nodes = shown(window, [&](QAccessibleInterface *node) { return node->text(QAccessible::Name) == focused; });
        QCOMPARE(nodes.size(), 1);
        qobject_cast<QQuickItem *>(nodes.constFirst()->object())->forceActiveFocus(Qt::TabFocusReason);
        QTest::keyClick(static_cast<QWindow *>(window), Qt::Key(key));
        QCOMPARE(m_root->property("presses").toInt(), presses);
    }

    // The focus comes back to what opened a sheet when it closes, also inside a sheet beneath. A
    // sheet named by its page's title is read once: the dialog takes the focus, with no heading of
    // the same name inside.
    void sheetsGiveTheFocusBackToWhatOpenedThem()
    {
        QQuickWindow *window = show(R"(
            PageScope {
                anchors.fill: parent
                TarvikButton { text: "Условия"; onClicked: sheet.open() }
            }
            Sheet {
                id: sheet
                sourceComponent: Component {
                    NavigationStack {
                        initialItem: NavigationPage {
                            title: "Условия"
                            TarvikButton { text: "Подробнее"; onClicked: stacked.open() }
                        }
                    }
                }
                Sheet {
                    id: stacked
                    sourceComponent: Component { NavigationStack { initialItem: NavigationPage { title: "Подробнее" } } }
                }
            })");
        QVERIFY(window);
        const auto focusedButton = [window](const QString &name) {
            QAccessibleInterface *button = find(window, QAccessible::Button, name);
            return button && button->state().focused;
        };
        for (const QString &opener : {QStringLiteral("Условия"), QStringLiteral("Подробнее")}) {
            QTRY_VERIFY(find(window, QAccessible::Button, opener));
            QVERIFY(press(find(window, QAccessible::Button, opener)));
            QTRY_VERIFY(find(window, QAccessible::Dialog, opener) && find(window, QAccessible::Dialog, opener)->state().focused);
            QVERIFY(!find(window, QAccessible::Heading, opener));
        }
        QTest::keyClick(static_cast<QWindow *>(window), Qt::Key_Escape);
        QTRY_VERIFY(focusedButton(QStringLiteral("Подробнее")));
        QTest::keyClick(static_cast<QWindow *>(window), Qt::Key_Escape);
        QTRY_VERIFY(focusedButton(QStringLiteral("Условия")));
    }

    // A screen shown again (its tab chosen) gives the focus to the first heading in view: a page
    // scrolled down stays where the user left it.
    void aScreenShownAgainKeepsItsPlace()
    {
        QQuickWindow *window = show(R"(
            FocusScroller {}
            TarvikButton { objectName: "tab"; y: 800; text: "Главная" }
            NavigationStack {
                objectName: "stack"
                width: 393; height: 780
                initialItem: NavigationPage {
                    navigationBarHidden: true
                    Flickable {
                        objectName: "scroller"
                        anchors.fill: parent
                        clip: true
                        contentHeight: 3000
                        SectionTitle { width: 393; title: "Твои продукты"; action: "" }
                        SectionTitle { y: 1500; width: 393; title: "Быстро"; action: "" }
                    }
                }
            })");
        QVERIFY(window);
        QQuickItem *stack = named(QStringLiteral("stack"));
        QQuickItem *scroller = named(QStringLiteral("scroller"));
        QTRY_VERIFY(find(window, QAccessible::Heading, QStringLiteral("Твои продукты"))->state().focused);
        scroller->setProperty("contentY", 1400);
        stack->setVisible(false);
        named(QStringLiteral("tab"))->forceActiveFocus(Qt::MouseFocusReason);
        stack->setVisible(true);
        QTRY_VERIFY(find(window, QAccessible::Heading, QStringLiteral("Быстро"))->state().focused);
        QCOMPARE(scroller->property("contentY").toReal(), 1400);
    }

    // A picker's card is a dialog named by its field, opened on the chosen value, which reads as
    // selected.
    void pickersOpenOnTheChosenValue()
    {
        QQuickWindow *window = show(R"(
            TarvikTimePicker { objectName: "timePicker"; width: 393; label: "Время"; date: new Date(2026, 2, 10, 14, 5) })");
        QVERIFY(window);
        QVERIFY(press(find(window, QAccessible::Button, QStringLiteral("Время, 14:05"))));
        QTRY_VERIFY(named(QStringLiteral("timePicker"))->property("wheelsOpen").toBool());
        QVERIFY(find(window, QAccessible::Dialog, QStringLiteral("Время")));
        QAccessibleInterface *hour = find(window, QAccessible::Button, QStringLiteral("14 часов"));
        QVERIFY(hour->state().selected && hour->state().focused);
    }

    void sheetsAndAlertsAreModalDialogsOverAHiddenPage()
    {
        QQuickWindow *window = show(R"(
            PageScope {
                anchors.fill: parent
                TarvikButton { text: "На странице" }
            }
            Sheet {
                objectName: "confirmation"
                sourceComponent: Component {
                    DemoActionSheet { title: "Заявка принята"; message: "Специалист свяжется с вами." }
                }
                Sheet {
                    objectName: "stacked"
                    sourceComponent: Component {
                        NavigationStack { initialItem: NavigationPage { title: "Способы оплаты" } }
                    }
                }
            }
            Alert { objectName: "alert"; title: "SMS отправлено"; message: "Пароль придёт в SMS." })");
        QVERIFY(window);
        QVERIFY(find(window, QAccessible::PushButton, QStringLiteral("На странице")));

        QObject *confirmation = m_root->findChild<QObject *>(QStringLiteral("confirmation"));
        QMetaObject::invokeMethod(confirmation, "open");
        QTRY_VERIFY(confirmation->property("opened").toBool());
        QAccessibleInterface *dialog = find(window, QAccessible::Dialog, QStringLiteral("Заявка принята"));
        QVERIFY(dialog);
        QVERIFY(dialog->state().modal);
        QCOMPARE(dialog->text(QAccessible::Description), QStringLiteral("Специалист свяжется с вами."));
        // It has the focus (a screen reader reads it out), and the page under it is gone.
        QVERIFY(dialog->state().focused || dialog->focusChild());
        QVERIFY(find(window, QAccessible::PushButton, QStringLiteral("Понятно")));
        QVERIFY(!find(window, QAccessible::PushButton, QStringLiteral("На странице")));

        // A sheet over it: named by the shown page's title; the one beneath is hidden too.
        QObject *stacked = m_root->findChild<QObject *>(QStringLiteral("stacked"));
        QMetaObject::invokeMethod(stacked, "open");
        QTRY_VERIFY(stacked->property("opened").toBool());
        QVERIFY(find(window, QAccessible::Dialog, QStringLiteral("Способы оплаты")));
        QVERIFY(!find(window, QAccessible::PushButton, QStringLiteral("Понятно")));
        QMetaObject::invokeMethod(stacked, "close");
        QTRY_VERIFY(!stacked->property("visible").toBool());
        QMetaObject::invokeMethod(confirmation, "close");
        QTRY_VERIFY(!confirmation->property("visible").toBool());
        QVERIFY(find(window, QAccessible::PushButton, QStringLiteral("На странице")));

        QObject *alert = m_root->findChild<QObject *>(QStringLiteral("alert"));
        QMetaObject::invokeMethod(alert, "open");
        QTRY_VERIFY(alert->property("opened").toBool());
        QAccessibleInterface *alertDialog = find(window, QAccessible::Dialog, QStringLiteral("SMS отправлено"));
        QVERIFY(alertDialog);
        QVERIFY(alertDialog->state().modal);
        QCOMPARE(alertDialog->text(QAccessible::Description), QStringLiteral("Пароль придёт в SMS."));
        QVERIFY(!find(window, QAccessible::PushButton, QStringLiteral("На странице")));
        QVERIFY(press(find(window, QAccessible::PushButton, QStringLiteral("OK"))));
        QTRY_VERIFY(!alert->property("visible").toBool());
    }

    void textAndHeadingsCarryTheirText()
    {
        QQuickWindow *window = show(R"(
            NavigationStack {
                width: 393; height: 500
                initialItem: NavigationPage {
                    title: "Профиль"
                    Column {
                        SectionTitle { width: 393; title: "Твои продукты"; action: "Все" }
                        StyledText { text: "Смирнова Анна Сергеевна" }
                        StyledText { text: "— · —" }
                        StyledText { text: "украшение"; Accessible.ignored: true }
                        Flickable {
                            width: 393; height: 100; contentHeight: 400
                            T.ScrollIndicator.vertical: TarvikScrollIndicator {}
                        }
                    }
                }
            }
            // A page without a title adds no empty heading.
            NavigationStack {
                y: 500; width: 393; height: 300
                initialItem: NavigationPage { StyledText { text: "Без заголовка" } }
            })");
        QVERIFY(window);
        QStringList headings = names(withRole(window, QAccessible::Heading));
        headings.sort();
        QCOMPARE(headings, QStringList({QStringLiteral("Профиль"), QStringLiteral("Твои продукты")}));
        QVERIFY(!find(window, QAccessible::StaticText, QStringLiteral("украшение")));
        // Their text reads through the text interface as well, by word too (a text without a word
        // in it answers).
        const QList<std::tuple<QAccessible::Role, QString, int, QString>> words{
            {QAccessible::StaticText, QStringLiteral("Смирнова Анна Сергеевна"), 10, QStringLiteral("Анна")},
            {QAccessible::Heading, QStringLiteral("Твои продукты"), 1, QStringLiteral("Твои")},
            {QAccessible::StaticText, QStringLiteral("— · —"), 2, QStringLiteral("·")}};
        for (const auto &[role, label, offset, word] : words) {
            QAccessibleTextInterface *text = find(window, role, label)->textInterface();
            QCOMPARE(text->text(0, text->characterCount()), label);
            int start = -1;
            int end = -1;
            QCOMPARE(text->textAtOffset(offset, QAccessible::WordBoundary, &start, &end), word);
        }
        // The scroll indicator is no unnamed thing to stop at.
        QVERIFY(shown(window, [](QAccessibleInterface *node) {
                    return node->role() == QAccessible::ScrollBar || node->role() == QAccessible::Indicator;
                }).isEmpty());
        QVERIFY(find(window, QAccessible::StaticText, QStringLiteral("Без заголовка")));
    }

    void focusScrollsItsItemIntoView()
    {
        QQuickWindow *window = show(R"(
            FocusScroller {}
            Flickable {
                objectName: "scroller"
                width: 393; height: 400
                contentHeight: 2000
                TarvikTextField { objectName: "top"; y: 20; width: 393 }
                TarvikTextField { objectName: "bottom"; y: 1500; width: 393 }
            })");
        QVERIFY(window);
        QQuickItem *scroller = named(QStringLiteral("scroller"));
        QQuickItem *bottom = named(QStringLiteral("bottom"));
        bottom->forceActiveFocus(Qt::TabFocusReason);
        const qreal y = scroller->property("contentY").toReal();
        QVERIFY(bottom->y() >= y && bottom->y() + bottom->height() <= y + scroller->height());

        QQuickItem *top = named(QStringLiteral("top"));
        top->forceActiveFocus(Qt::BacktabFocusReason);
        QVERIFY(scroller->property("contentY").toReal() <= top->y());
    }

    // Qt WebEngine builds a page's tree only if told when it starts (with the first web page).
    void webPagesShowTheirContentOnceAScreenReaderIsAbout()
    {
        QAccessible::setActive(false);
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
        QAccessible::setActive(true);
        QAccessible::setActive(false);
        QAccessible::setActive(true);
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray("--disable-gpu --force-renderer-accessibility"));
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    }

    void announcingMovesTheFocusToTheMessage()
    {
        QQuickWindow *window = show(R"(
            Column {
                TarvikTextField { objectName: "field"; width: 393 }
                StyledText { objectName: "message"; text: "Неверный логин или пароль" }
                StyledText { objectName: "hidden"; text: "Скрыто"; visible: false }
            })");
        QVERIFY(window);
        named(QStringLiteral("field"))->forceActiveFocus();
        QQmlComponent call(&m_engine);
        call.setData("import QtQuick\nimport Tarvik.Design\nQtObject { property Item target; Component.onCompleted: ScreenReader.announce(target) }",
                     QUrl(QStringLiteral("qrc:/announce.qml")));
        const auto announce = [&](QQuickItem *target) {
            std::unique_ptr<QObject>(call.createWithInitialProperties({{QStringLiteral("target"), QVariant::fromValue(target)}}));
        };
        announce(named(QStringLiteral("hidden")));
        QVERIFY(named(QStringLiteral("field"))->hasActiveFocus());
        announce(named(QStringLiteral("message")));
        QVERIFY(named(QStringLiteral("message"))->hasActiveFocus());
        QAccessibleInterface *focused = find(window, QAccessible::StaticText, QStringLiteral("Неверный логин или пароль"));
        QVERIFY(focused && focused->state().focused);
    }
};

QTEST_MAIN(AccessibilityTest)

#include "tst_accessibility.moc"
