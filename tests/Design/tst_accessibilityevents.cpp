#include "accessiblekit.h"
#include "accessibletree.h"

#include <QAccessible>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

using namespace AccessibleTree;

namespace
{
// What leaves the app for the accessibility bridge: each event's type, and its own text with what
// the node it is about says at that moment (its role too).
QList<std::pair<QAccessible::Event, QString>> sent;
QList<QAccessible::Role> sentRoles;

void record(QAccessibleEvent *event)
{
    QString carried;
    switch (event->type()) {
    case QAccessible::TextInserted:
        carried = static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
        break;
    case QAccessible::TextRemoved:
        carried = static_cast<QAccessibleTextRemoveEvent *>(event)->textRemoved();
        break;
    case QAccessible::TextUpdated: {
        const auto *update = static_cast<QAccessibleTextUpdateEvent *>(event);
        carried = update->textRemoved() + update->textInserted();
        break;
    }
    case QAccessible::ValueChanged:
        carried = static_cast<QAccessibleValueChangeEvent *>(event)->value().toString();
        break;
    default:
        break;
    }
    QAccessibleInterface *node = event->accessibleInterface();
    sentRoles.append(node ? node->role() : QAccessible::NoRole);
    if (node) {
        for (const QAccessible::Text type : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            carried += node->text(type);
        if (QAccessibleTextInterface *text = node->textInterface())
            carried += text->text(0, text->characterCount());
    }
    sent.append({event->type(), carried});
    // On to the bridge, as Qt does without a handler.
    const QAccessible::UpdateHandler current = QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(current);
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
        sentRoles.clear();
    }

    void passwordCharactersNeverLeaveTheApp_data()
    {
        // Whether Qt reports the edit itself as a text change (it does not for every kind).
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("reported");
        QTest::newRow("typed") << QStringLiteral("typed") << false;
        QTest::newRow("set through the interface") << QStringLiteral("set") << true;
        QTest::newRow("inserted through the interface") << QStringLiteral("inserted") << false;
        QTest::newRow("typed, then cleared by the screen") << QStringLiteral("cleared") << true;
        QTest::newRow("set, then deleted through the interface") << QStringLiteral("deleted") << true;
    }

    void passwordCharactersNeverLeaveTheApp()
    {
        QFETCH(QString, edit);
        QFETCH(bool, reported);
        QQuickWindow *window = show(R"(
            TarvikTextField { objectName: "password"; width: 393; echoMode: TextInput.Password; placeholderText: "Пароль" })");
        QVERIFY(window);
        auto *password = m_root->findChild<QQuickItem *>(QStringLiteral("password"));
        QAccessibleInterface *field = find(window, QAccessible::EditableText, QStringLiteral("Пароль"));
        QVERIFY(field);
        const QString secret = QStringLiteral("qwz7815");
        password->forceActiveFocus();
        if (edit == QLatin1String("typed") || edit == QLatin1String("cleared")) {
            for (const QChar character : secret)
                QTest::keyClick(static_cast<QWindow *>(window), character.toLatin1());
        } else if (edit == QLatin1String("inserted")) {
            field->editableTextInterface()->insertText(0, secret);
        } else {
            QVERIFY(setText(field, secret));
        }
        QCOMPARE(password->property("text").toString(), secret);
        if (edit == QLatin1String("cleared"))
            password->setProperty("text", QString());
        if (edit == QLatin1String("deleted"))
            field->editableTextInterface()->deleteText(0, int(secret.size()));

        bool masked = false;
        for (const auto &[type, carried] : std::as_const(sent)) {
            for (const QChar character : secret)
                QVERIFY2(!carried.contains(character), qPrintable(carried));
            masked = masked || (type == QAccessible::TextUpdated && carried.contains(QChar(0x2022)));
        }
        // The change itself still reaches a screen reader, as its mask.
        QCOMPARE(masked, reported);
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
            sentRoles.clear();
            QMetaObject::invokeMethod(m_root->findChild<QQuickItem *>(QStringLiteral("announcement")), "say", Q_ARG(QVariant, answer));
            qsizetype shownAt = -1;
            for (qsizetype i = 0; i < sent.size(); ++i) {
                QVERIFY(sent.at(i).first != QAccessible::Focus);
                if (sent.at(i).first == QAccessible::ObjectShow && sentRoles.at(i) == QAccessible::Notification)
                    shownAt = i;
            }
            QVERIFY(shownAt >= 0);
            QCOMPARE(sent.at(shownAt).second, answer);
            QVERIFY(field->hasActiveFocus());
        }
    }
};

QTEST_MAIN(AccessibilityEventsTest)
#include "tst_accessibilityevents.moc"
