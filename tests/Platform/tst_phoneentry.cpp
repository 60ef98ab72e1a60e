#include "phoneentry.h"

#include <QTest>

Q_DECLARE_METATYPE(PhoneEntry::Display)

namespace
{
// A phone field as a subscriber works it: keys typed and texts pasted at the cursor, a whole
// paste over everything, Backspace, and the cursor moved. Every change goes through the rule.
struct Field {
    PhoneEntry::Display display;
    QString text = PhoneEntry::text({}, display);
    int cursor = int(text.size());
    QString national;

    void edited(const QString &edited, int at)
    {
        const PhoneEdit edit = PhoneEntry::edit(text, edited, at, display);
        text = edit.text;
        cursor = edit.cursor;
        national = edit.national;
    }

    // "type:<keys>", "paste:<text>", "over:<text>", "back", "end", "at:<position>", or
    // "after:<n>" (the cursor right after the n-th digit that follows the "+7" shown).
    void run(const QString &step)
    {
        const QString argument = step.section(QLatin1Char(':'), 1);
        if (step.startsWith(u"type:")) {
            for (const QChar key : argument)
                edited(QString(text).insert(cursor, key), cursor + 1);
        } else if (step.startsWith(u"paste:")) {
            edited(QString(text).insert(cursor, argument), cursor + int(argument.size()));
        } else if (step.startsWith(u"over:")) {
            edited(argument, int(argument.size()));
        } else if (step == u"back") {
            if (cursor > 0)
                edited(QString(text).remove(cursor - 1, 1), cursor - 1);
        } else if (step == u"end") {
            cursor = int(text.size());
        } else if (step.startsWith(u"at:")) {
            cursor = argument.toInt();
        } else if (step.startsWith(u"after:")) {
            int digits = argument.toInt();
            cursor = text.startsWith(u"+7") ? 2 : 0;
            while (digits > 0 && cursor < text.size())
                digits -= text.at(cursor++).isDigit() ? 1 : 0;
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
        }
    }
};

const QList<PhoneEntry::Display> displays{PhoneEntry::Masked, PhoneEntry::Prefixed, PhoneEntry::National};
} // namespace

// The phone entry rule of every phone field: what typing, pasting and deleting leave, in each of
// the fields' displays.
class PhoneEntryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storedNumber_data()
    {
        QTest::addColumn<PhoneEntry::Display>("display");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("national");

        const QList<std::tuple<const char *, QStringList, QString>> rows{
            // The examples the fields are built from.
            {"typed after the +7 shown", {"type:9"}, "9"},
            {"8 typed after the +7 shown", {"type:8"}, "8"},
            {"eleven digits from 8 pasted over everything", {"over:89123456789"}, "9123456789"},
            {"8 (912) 345-67-89 pasted", {"paste:8 (912) 345-67-89"}, "9123456789"},
            {"+7 912 345 67 89 pasted over everything", {"over:+7 912 345 67 89"}, "9123456789"},
            {"8 999 123 45 67 pasted", {"paste:8 999 123 45 67"}, "9991234567"},
            {"more than ten digits after a 7 typed", {"type:7 912 345 67 89 01"}, "9123456789"},
            {"every digit deleted", {"type:912", "back", "back", "back", "back", "back", "back"}, ""},
            // How numbers are usually typed and pasted.
            {"8 912 345-67-89 typed", {"type:8 912 345-67-89"}, "9123456789"},
            {"+7 912 345-67-89 typed", {"type:+7 912 345-67-89"}, "9123456789"},
            {"+7 912 345-67-89 pasted", {"paste:+7 912 345-67-89"}, "9123456789"},
            {"812 555-12-34 typed", {"type:812 555-12-34"}, "8125551234"},
            {"+7 (812) 555-12-34 pasted", {"paste:+7 (812) 555-12-34"}, "8125551234"},
            {"+7 (812) 555-12-34 pasted over a number", {"type:9123456789", "over:+7 (812) 555-12-34"}, "8125551234"},
            {"843 number typed after 8", {"type:8 843 222-33-44"}, "8432223344"},
            {"7 800 100-00-00 typed", {"type:7 800 100-00-00"}, "8001000000"},
            {"typed in two pastes", {"paste:8 912", "paste: 345-67-89"}, "9123456789"},
            {"the rest pasted into the middle", {"type:8 67-89", "after:1", "paste:912 345-"}, "9123456789"},
            {"twelve digits pasted from 7", {"paste:+7 912 345-67-890"}, "9123456789"},
            {"twelve digits pasted from 9", {"over:912 345-67-89-01"}, "9123456789"},
            {"a digit deleted in the middle and typed again", {"type:9123456789", "after:4", "back", "type:3"}, "9123456789"},
            {"a digit typed into a full number", {"type:9123456789", "after:3", "type:0"}, "9120345678"},
            {"letters and other scripts' digits dropped", {QStringLiteral("type:9a1b٢²½３2")}, "912"},
        };
        for (const PhoneEntry::Display display : displays) {
            const QString name = QString::fromLatin1(QMetaEnum::fromType<PhoneEntry::Display>().valueToKey(display));
            for (const auto &[row, steps, national] : rows)
                QTest::addRow("%s, %s", qPrintable(name), row) << display << steps << national;
        }
    }

    void storedNumber()
    {
        QFETCH(PhoneEntry::Display, display);
        QFETCH(QStringList, steps);
        QFETCH(QString, national);
        Field field{display};
        for (const QString &step : std::as_const(steps))
            field.run(step);
        QCOMPARE(field.national, national);
        QCOMPARE(field.text, PhoneEntry::text(national, display));
        // What the field shows is stable: reading it back changes nothing.
        QCOMPARE(PhoneEntry::edit(field.text, field.text, field.cursor, display).national, national);
    }

    // What each field shows and where its cursor stands.
    void shownText_data()
    {
        QTest::addColumn<PhoneEntry::Display>("display");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("cursor");

        QTest::newRow("masked, nothing") << PhoneEntry::Masked << QStringList() << "+7 " << 3;
        QTest::newRow("masked, three digits") << PhoneEntry::Masked << QStringList{"type:912"} << "+7 (912) " << 7;
        QTest::newRow("masked, four digits") << PhoneEntry::Masked << QStringList{"type:9123"} << "+7 (912) 3" << 10;
        QTest::newRow("masked, whole") << PhoneEntry::Masked << QStringList{"type:8 912 345-67-89"} << "+7 (912) 345-67-89" << 18;
        // A Backspace that takes only the space after the bracket leaves the cursor on the digit
        // before it, so the next one deletes that digit.
        QTest::newRow("masked, backspace over the bracket") << PhoneEntry::Masked << QStringList{"type:912", "end", "back", "back"}
                                                            << "+7 (91" << 6;
        QTest::newRow("masked, the shown 7 deleted") << PhoneEntry::Masked << QStringList{"type:912", "at:2", "back"} << "+7 (912) " << 4;
        QTest::newRow("masked, middle deletion") << PhoneEntry::Masked << QStringList{"type:9123456789", "after:4", "back"}
                                                 << "+7 (912) 456-78-9" << 7;
        QTest::newRow("prefixed, whole") << PhoneEntry::Prefixed << QStringList{"type:+7 (812) 555-12-34"} << "+7 8125551234" << 13;
        QTest::newRow("prefixed, the shown 7 deleted") << PhoneEntry::Prefixed << QStringList{"type:812", "at:2", "back"} << "+7 812" << 3;
        QTest::newRow("national, +7 typed") << PhoneEntry::National << QStringList{"type:+7 999 123-45-67"} << "999 123-45-67" << 13;
        QTest::newRow("national, seven digits") << PhoneEntry::National << QStringList{"type:9991234"} << "999 123-4" << 9;
    }

    void shownText()
    {
        QFETCH(PhoneEntry::Display, display);
        QFETCH(QStringList, steps);
        QFETCH(QString, text);
        QFETCH(int, cursor);
        Field field{display};
        for (const QString &step : std::as_const(steps))
            field.run(step);
        QCOMPARE(field.text, text);
        QCOMPARE(field.cursor, cursor);
    }
};

QTEST_GUILESS_MAIN(PhoneEntryTest)
#include "tst_phoneentry.moc"
