#include "accessiblekit.h"
#include "accessibletree.h"
#include "atspiwalker.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;

namespace
{
// One event on its way to the bridge: its own position and text (a caret event's caret), and
// that text with what the node it is about says at that moment.
struct Sent {
    QAccessible::Event type;
    QObject *object;
    QAccessible::Role role = QAccessible::NoRole;
    int position = -1;
    QString text;
    QString carried;
};
QList<Sent> sent;

void record(QAccessibleEvent *event)
{
    Sent one{event->type(), event->object()};
    if (event->type() == QAccessible::TextInserted || event->type() == QAccessible::TextRemoved
        || event->type() == QAccessible::TextUpdated) {
        const auto *edit = static_cast<QAccessibleTextUpdateEvent *>(event);
        one.position = edit->changePosition();
        one.text = event->type() == QAccessible::TextInserted ? static_cast<QAccessibleTextInsertEvent *>(event)->textInserted()
            : event->type() == QAccessible::TextRemoved       ? static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved()
                                                              : edit->textRemoved() + edit->textInserted();
    } else if (event->type() == QAccessible::TextCaretMoved) {
        one.position = static_cast<QAccessibleTextCursorEvent *>(event)->cursorPosition();
    } else if (event->type() == QAccessible::ValueChanged) {
        one.text = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
    }
    one.carried = one.text;
    if (QAccessibleInterface *node = event->accessibleInterface()) {
        one.role = node->role();
        for (const QAccessible::Text type : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            one.carried += node->text(type);
        if (QAccessibleTextInterface *text = node->textInterface())
            one.carried += text->text(0, text->characterCount());
    }
    sent.append(one);
    // On to the bridge, as Qt does without a handler.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
}

// The edits sent about `field`, as "+3 (9" (inserted at 3), "-3 d" (removed at 3) and "=0 ..."
// (a text replaced whole).
QStringList editsOf(const QObject *field)
{
    const QHash<int, QString> signs{{QAccessible::TextInserted, "+"}, {QAccessible::TextRemoved, "-"}, {QAccessible::TextUpdated, "="}};
    QStringList edits;
    for (const Sent &one : std::as_const(sent)) {
        if (one.object == field && signs.contains(one.type))
            edits.append(signs.value(one.type) + QString::number(one.position) + QLatin1Char(' ') + one.text);
    }
    return edits;
}

// What a screen reader that started from `text` holds after the edits sent about `field`.
QString replayed(QString text, const QObject *field)
{
    for (const Sent &one : std::as_const(sent)) {
        if (one.object == field && one.type == QAccessible::TextInserted)
            text.insert(one.position, one.text);
        if (one.object == field && one.type == QAccessible::TextRemoved)
            text.replace(one.position, one.text.size(), text.mid(one.position, one.text.size()) == one.text ? QString() : QStringLiteral("?"));
    }
    return text;
}

// Runs what the events handled so far have queued (a field tells its edit once the event that
// made it is handled).
void settle()
{
    bool done = false;
    QMetaObject::invokeMethod(qApp, [&done] { done = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(done);
}

QString shownText(QAccessibleInterface *field)
{
    return field->textInterface()->text(0, field->textInterface()->characterCount());
}
} // namespace

// The kit under Qt's real accessibility bridge (on Xvfb, with the accessibility bus up), where Qt
// Quick sends its events: what the app sends out.
class AccessibilityEventsTest : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_root;

    QQuickWindow *show(const QByteArray &body) { return showKitWindow(m_engine, body, m_root); }

    // Key by key, each handled before the next, as a person types.
    static void type(QQuickWindow *window, const QString &text)
    {
        for (const QChar character : text) {
            QTest::keyClick(static_cast<QWindow *>(window), character.toLatin1());
            settle();
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
        // Installed before the kit's own, the recorder sees what the kit lets through.
        QAccessible::installUpdateHandler(&record);
        AccessibleKit::install();
        QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10000);
    }

    void cleanup()
    {
        m_root.reset();
        sent.clear();
    }

    // Whatever changes what a field shows reaches a screen reader as the characters removed and
    // inserted, where they were, so that it can echo them and keep its copy (and a braille line)
    // as the field shows it; a rule that rewrites the field is told as what the field came to show.
    void editsReachTheReaderAsTheFieldShowsThem_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("selectFrom");
        QTest::addColumn<int>("selectTo");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QStringList>("expected");
        const QString line = QStringLiteral("line");
        const QString area = QStringLiteral("area");
        const QString phone = QStringLiteral("phone");
        QTest::newRow("a typed word") << line << "" << -1 << -1 << "type:word" << QStringList{"+0 w", "+1 o", "+2 r", "+3 d"};
        QTest::newRow("Backspace") << line << "word" << -1 << -1 << "key:backspace" << QStringList{"-3 d"};
        QTest::newRow("Delete inside") << line << "word" << 1 << 1 << "key:delete" << QStringList{"-1 o"};
        QTest::newRow("typed into a run of one letter") << line << "aa" << 1 << 1 << "type:a" << QStringList{"+1 a"};
        QTest::newRow("a paste over a selection") << line << "hello world" << 6 << 11 << "paste:there"
                                                  << QStringList{"-6 world", "+6 there"};
        QTest::newRow("typed over a selection") << line << "abc" << 0 << 3 << "type:x" << QStringList{"-0 abc", "+0 x"};
        QTest::newRow("set by the screen") << line << "abc" << -1 << -1 << "set:abd" << QStringList{"-2 c", "+2 d"};
        QTest::newRow("text area, typed") << area << "" << -1 << -1 << "type:ab" << QStringList{"+0 a", "+1 b"};
        QTest::newRow("text area, Backspace") << area << "ab" << 2 << 2 << "key:backspace" << QStringList{"-1 b"};
        // The phone rule shows "+7 " when empty; a digit brings its bracket.
        QTest::newRow("phone, a digit") << phone << "" << -1 << -1 << "type:9" << QStringList{"+3 (9"};
        QTest::newRow("phone, a number pasted") << phone << "" << -1 << -1 << "paste:8 999 123 45 67"
                                                << QStringList{"+3 (999) 123-45-67"};
        QTest::newRow("phone, a separator deleted") << phone << "9991234567" << 13 << 13 << "key:backspace" << QStringList{};
    }

    void editsReachTheReaderAsTheFieldShowsThem()
    {
        QFETCH(QString, kind);
        QFETCH(QString, start);
        QFETCH(int, selectFrom);
        QFETCH(int, selectTo);
        QFETCH(QString, edit);
        QFETCH(QStringList, expected);
        QQuickWindow *window = show(R"(
            Column {
                TarvikTextField { objectName: "line"; width: 393; placeholderText: "Имя" }
                T.TextArea { objectName: "area"; width: 393; height: 120; Accessible.name: "Комментарий" }
                TarvikTextField {
                    id: phone
                    objectName: "phone"; width: 393; Accessible.name: "Номер телефона"
                    PhoneFieldRule { objectName: "rule"; field: phone }
                }
            })");
        QVERIFY(window);
        auto *field = m_root->findChild<QQuickItem *>(kind);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(field);
        QVERIFY(node && node->textInterface());
        field->forceActiveFocus();
        if (kind == QLatin1String("phone"))
            field->findChild<QObject *>(QStringLiteral("rule"))->setProperty("national", start);
        else
            field->setProperty("text", start);
        if (selectFrom >= 0)
            QMetaObject::invokeMethod(field, "select", Q_ARG(int, selectFrom), Q_ARG(int, selectTo));
        settle();
        const QString before = shownText(node);
        sent.clear();

        const QString argument = edit.section(QLatin1Char(':'), 1);
        if (edit.startsWith(QLatin1String("type:"))) {
            type(window, argument);
        } else if (edit.startsWith(QLatin1String("key:"))) {
            QTest::keyClick(static_cast<QWindow *>(window), argument == QLatin1String("delete") ? Qt::Key_Delete : Qt::Key_Backspace);
        } else if (edit.startsWith(QLatin1String("paste:"))) {
            QGuiApplication::clipboard()->setText(argument);
            QTest::keyClick(static_cast<QWindow *>(window), Qt::Key_V, Qt::ControlModifier);
        } else {
            field->setProperty("text", argument);
        }
        settle();

        QCOMPARE(editsOf(field), expected);
        // The reader's copy is the field as shown, and the caret, told last, is where the field's is.
        QCOMPARE(replayed(before, field), shownText(node));
        if (!expected.isEmpty()) {
            QCOMPARE(sent.constLast().type, QAccessible::TextCaretMoved);
            QCOMPARE(sent.constLast().position, node->textInterface()->cursorPosition());
        }
    }

    void passwordCharactersNeverLeaveTheApp_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("typed") << QStringLiteral("typed");
        QTest::newRow("set through the interface") << QStringLiteral("set");
        QTest::newRow("inserted through the interface") << QStringLiteral("inserted");
        QTest::newRow("typed, then cleared by the screen") << QStringLiteral("cleared");
        QTest::newRow("set, then deleted through the interface") << QStringLiteral("deleted");
        QTest::newRow("typed, then shown and hidden again") << QStringLiteral("shown");
    }

    void passwordCharactersNeverLeaveTheApp()
    {
        QFETCH(QString, edit);
        QQuickWindow *window = show(R"(
            TarvikTextField { objectName: "password"; width: 393; echoMode: TextInput.Password; placeholderText: "Пароль" })");
        QVERIFY(window);
        auto *password = m_root->findChild<QQuickItem *>(QStringLiteral("password"));
        QAccessibleInterface *field = find(window, QAccessible::EditableText, QStringLiteral("Пароль"));
        QVERIFY(field);
        const QString secret = QStringLiteral("qwz7815");
        password->forceActiveFocus();
        settle();
        sent.clear();
        if (edit == QLatin1String("typed") || edit == QLatin1String("cleared") || edit == QLatin1String("shown")) {
            type(window, secret);
        } else if (edit == QLatin1String("inserted")) {
            field->editableTextInterface()->insertText(0, secret);
        } else {
            QVERIFY(setText(field, secret));
        }
        QCOMPARE(password->property("text").toString(), secret);
        settle();
        if (edit == QLatin1String("cleared"))
            password->setProperty("text", QString());
        if (edit == QLatin1String("deleted"))
            field->editableTextInterface()->deleteText(0, int(secret.size()));
        if (edit == QLatin1String("shown")) {
            // Shown on purpose, it reads as shown (tst_accessibility); that is no edit to tell.
            const qsizetype hidden = sent.size();
            password->setProperty("echoMode", 0);
            settle();
            for (qsizetype i = hidden; i < sent.size(); ++i)
                QVERIFY(!sent.at(i).text.contains(secret.front()));
            sent.resize(hidden);
            password->setProperty("echoMode", 2);
        }
        settle();

        for (const Sent &one : std::as_const(sent)) {
            for (const QChar character : secret)
                QVERIFY2(!one.carried.contains(character), qPrintable(one.carried));
        }
        // Each edit still reaches a screen reader, as its mask, and its copy is the mask shown.
        QVERIFY(!editsOf(password).isEmpty());
        QCOMPARE(replayed(QString(), password), shownText(field));
    }

    // Over the accessibility bus, as a screen reader listening for text changes receives them:
    // each typed key where it went, Backspace as what it took, a password as its mask.
    void aScreenReaderHearsEachKeyOverTheBus_data()
    {
        QTest::addColumn<int>("echoMode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("heard");
        QTest::newRow("text") << 0 << QStringLiteral("word") << QStringLiteral("word");
        QTest::newRow("password") << 2 << QStringLiteral("qwz7") << QString(4, QChar(0x2022));
    }

    void aScreenReaderHearsEachKeyOverTheBus()
    {
        QFETCH(int, echoMode);
        QFETCH(QString, typed);
        QFETCH(QString, heard);
        AtspiWalker reader;
        QVERIFY2(reader.connect() && reader.listen(QStringLiteral("object:text-changed")), qPrintable(reader.errorString()));
        QQuickWindow *window = show(R"(TarvikTextField { objectName: "field"; width: 393; placeholderText: "Имя" })");
        QVERIFY(window);
        auto *field = m_root->findChild<QQuickItem *>(QStringLiteral("field"));
        field->forceActiveFocus();
        const AtspiWalker::Node node = reader.node(QAccessible::queryAccessibleInterface(field));
        const auto changes = [&] {
            QStringList list;
            for (const AtspiWalker::Event &event : reader.events()) {
                if (event.node == node && event.member == QLatin1String("TextChanged"))
                    list.append(QStringLiteral("%1 %2 %3 %4").arg(event.detail).arg(event.detail1).arg(event.detail2).arg(event.data.toString()));
            }
            return list;
        };
        // The bridge sends nothing until it hears of the listener.
        QTRY_VERIFY_WITH_TIMEOUT((field->setProperty("text", field->property("text").toString().isEmpty() ? QStringLiteral("x") : QString()),
                                  settle(), !changes().isEmpty()),
                                 10000);
        // The bus keeps the order of the bridge's signals: once these are in, so is every one before.
        for (const QString &text : {QStringLiteral("ready"), QString()}) {
            field->setProperty("text", text);
            QTRY_VERIFY(changes().contains(text.isEmpty() ? QStringLiteral("delete 0 5 ready") : QStringLiteral("insert 0 5 ready")));
        }
        field->setProperty("echoMode", echoMode);
        reader.clearEvents();
        // With a listener about, the bridge holds each key until the registry has seen it: a key
        // is typed once the one before it is heard.
        QStringList expected;
        for (int i = 0; i <= heard.size(); ++i) {
            QTest::keyClick(static_cast<QWindow *>(window), i < heard.size() ? Qt::Key(typed.at(i).toUpper().unicode()) : Qt::Key_Backspace);
            expected.append(i < heard.size() ? QStringLiteral("insert %1 1 %2").arg(i).arg(heard.at(i))
                                             : QStringLiteral("delete %1 1 %2").arg(i - 1).arg(heard.back()));
            QTRY_COMPARE(changes(), expected);
        }
    }

    // An answer in the chat is said where the user types: a notification comes into view (what a
    // screen reader reads out unasked), and the focus stays in the field.
    void anAnnouncementLeavesTheFocusWhereItIs()
    {
        QQuickWindow *window = show(R"(
            Column {
                TarvikTextField { objectName: "field"; width: 393; placeholderText: "Сообщение" }
                Announcement { objectName: "announcement" }
            })");
        QVERIFY(window);
        auto *field = m_root->findChild<QQuickItem *>(QStringLiteral("field"));
        field->forceActiveFocus();
        QVERIFY(find(window, QAccessible::EditableText, QStringLiteral("Сообщение")));
        for (const QString &answer : {QStringLiteral("Спасибо! Заявка передана."), QStringLiteral("Ещё один ответ.")}) {
            sent.clear();
            QMetaObject::invokeMethod(m_root->findChild<QQuickItem *>(QStringLiteral("announcement")), "say", Q_ARG(QVariant, answer));
            qsizetype shownAt = -1;
            for (qsizetype i = 0; i < sent.size(); ++i) {
                QVERIFY(sent.at(i).type != QAccessible::Focus);
                if (sent.at(i).type == QAccessible::ObjectShow && sent.at(i).role == QAccessible::Notification)
                    shownAt = i;
            }
            QVERIFY(shownAt >= 0);
            QCOMPARE(sent.at(shownAt).carried, answer);
            QVERIFY(field->hasActiveFocus());
        }
    }
};

QTEST_MAIN(AccessibilityEventsTest)
#include "tst_accessibilityevents.moc"
