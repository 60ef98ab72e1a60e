#include "confirmationsend.h"
#include "phoneentry.h"

#include <QSignalSpy>
#include <QTest>

// The phone entry rule of the request forms and the sending state every form shares.
class RequestFormTest : public QObject
{
    Q_OBJECT

    // Runs the event loop until a wait longer than `milliseconds` has confirmed.
    static void waitLongerThan(int milliseconds)
    {
        ConfirmationSend sentinel;
        sentinel.setDelay(milliseconds + 20);
        QVERIFY(sentinel.send());
        QTRY_VERIFY(sentinel.isConfirmed());
    }

private Q_SLOTS:
    void phoneEntry_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<QString>("before"); // the stored value the edit was made to
        QTest::addColumn<QString>("stored");
        const QString start = QStringLiteral("+7 ");

        QTest::newRow("start") << start << start << start;
        QTest::newRow("everything deleted") << QString() << QStringLiteral("+7 912") << start;
        QTest::newRow("first digit typed") << QStringLiteral("+7 9") << start << QStringLiteral("+7 9");
        QTest::newRow("eleven digits from 8 with brackets, blanks, dashes")
            << QStringLiteral("8 (912) 345-67-89") << start << QStringLiteral("+7 9123456789");
        QTest::newRow("pasted +7 number") << QStringLiteral("+7 (912) 345 67 89") << start << QStringLiteral("+7 9123456789");
        QTest::newRow("pasted after the prefix") << QStringLiteral("+7 8 (912) 345-67-89") << start << QStringLiteral("+7 9123456789");
        QTest::newRow("over-long after 7 keeps the first ten") << QStringLiteral("7912345678901234") << start
                                                                << QStringLiteral("+7 9123456789");
        QTest::newRow("typing past ten digits") << QStringLiteral("+7 91234567890") << QStringLiteral("+7 9123456789")
                                                << QStringLiteral("+7 9123456789");
        QTest::newRow("letters dropped") << QStringLiteral("+7 9a1b2") << QStringLiteral("+7 91") << QStringLiteral("+7 912");
        // Only ASCII digits count: fractions, superscripts and other scripts' digits are dropped.
        QTest::newRow("vulgar fraction") << QStringLiteral("+7 912½") << QStringLiteral("+7 912") << QStringLiteral("+7 912");
        QTest::newRow("superscript") << QStringLiteral("+7 9²") << QStringLiteral("+7 9") << QStringLiteral("+7 9");
        QTest::newRow("arabic-indic digits") << QStringLiteral("+7 ٩١٢٣") << start << start;
        QTest::newRow("devanagari digits") << QStringLiteral("+7 ९१२") << start << start;
        QTest::newRow("fullwidth digits") << QStringLiteral("+7 ９１２") << start << start;
        // A 7 or 8 typed first is the code the field already shows; only one goes.
        QTest::newRow("8 typed after the prefix") << QStringLiteral("+7 8") << start << start;
        QTest::newRow("7 typed after the prefix") << QStringLiteral("+7 7") << start << start;
        QTest::newRow("77") << QStringLiteral("77") << start << QStringLiteral("+7 7");
        QTest::newRow("8 typed before the number") << QStringLiteral("+7 8912") << QStringLiteral("+7 912") << QStringLiteral("+7 912");
        // A number that begins with 8 keeps it while it is edited further along.
        QTest::newRow("deleting in a number that begins with 8")
            << QStringLiteral("+7 800555353") << QStringLiteral("+7 8005553535") << QStringLiteral("+7 800555353");
        QTest::newRow("prefix partly deleted") << QStringLiteral("+7912") << QStringLiteral("+7 912") << QStringLiteral("+7 912");
    }

    void phoneEntry()
    {
        QFETCH(QString, edited);
        QFETCH(QString, before);
        QFETCH(QString, stored);
        QCOMPARE(PhoneEntry::normalized(edited, before), stored);
        // Storing is stable: the field reads the stored value back unchanged.
        QCOMPARE(PhoneEntry::normalized(stored, stored), stored);
    }

    // A number typed key by key after "+7 " is stored as the same number pasted over the field.
    void typingEqualsPasting_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("with the trunk 8") << QStringLiteral("8 (999) 123-45-67");
        QTest::newRow("with +7") << QStringLiteral("+7 999 123-45-67");
        QTest::newRow("with 7") << QStringLiteral("79991234567");
        QTest::newRow("national") << QStringLiteral("999 123-45-67");
    }

    void typingEqualsPasting()
    {
        QFETCH(QString, number);
        QString stored = QStringLiteral("+7 ");
        for (const QChar key : number)
            stored = PhoneEntry::normalized(stored + key, stored);
        QCOMPARE(stored, QStringLiteral("+7 9991234567"));
        QCOMPARE(PhoneEntry::normalized(number, QStringLiteral("+7 ")), stored);
    }

    void phoneValidity_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("valid");

        QTest::newRow("prefix only") << QStringLiteral("+7 ") << false;
        QTest::newRow("nine digits") << QStringLiteral("+7 912345678") << false;
        QTest::newRow("ten digits") << QStringLiteral("+7 9123456789") << true;
        QTest::newRow("eleven digits") << QStringLiteral("+7 91234567890") << false;
        QTest::newRow("starts with 8") << QStringLiteral("89123456789") << false;
        QTest::newRow("nine digits and a fraction") << QStringLiteral("+7 912345678½") << false;
        QTest::newRow("nine digits and an arabic-indic digit") << QStringLiteral("+7 912345678٩") << false;
    }

    void phoneValidity()
    {
        QFETCH(QString, value);
        QFETCH(bool, valid);
        QCOMPARE(PhoneEntry::isValid(value), valid);
    }

    void sendShowsSendingThenConfirms()
    {
        ConfirmationSend send;
        QSignalSpy sending(&send, &ConfirmationSend::sendingChanged);
        QSignalSpy confirmed(&send, &ConfirmationSend::confirmedChanged);
        // The sheet must be up by the time the caption returns.
        bool confirmedWhenSendingEnded = false;
        connect(&send, &ConfirmationSend::sendingChanged, this, [&] {
            if (!send.isSending())
                confirmedWhenSendingEnded = send.isConfirmed();
        });

        QVERIFY(send.send());
        QVERIFY(send.isSending());
        QVERIFY(!send.isConfirmed());
        // One send at a time.
        QVERIFY(!send.send());
        QCOMPARE(sending.size(), 1);

        QTRY_VERIFY(!send.isSending());
        QVERIFY(send.isConfirmed());
        QVERIFY(confirmedWhenSendingEnded);
        QCOMPARE(confirmed.size(), 1);
        QVERIFY(!send.hasError());

        // The sheet closes; a second send shows it again.
        send.setConfirmed(false);
        QVERIFY(send.send());
        QTRY_VERIFY(send.isConfirmed());
    }

    void cancelledWaitFailsWithText()
    {
        ConfirmationSend send;
        QVERIFY(!send.cancel());
        QVERIFY(send.send());
        QVERIFY(send.cancel());
        QVERIFY(!send.isSending());
        QVERIFY(send.hasError());
        QCOMPARE(send.errorText(), ConfirmationSend::cancellationText());
        // The cancelled wait never confirms later: a second, longer wait ends first.
        QSignalSpy confirmed(&send, &ConfirmationSend::confirmedChanged);
        waitLongerThan(send.delay());
        QCOMPARE(confirmed.size(), 0);
        send.clearError();
        QVERIFY(!send.hasError());
    }
};

QTEST_GUILESS_MAIN(RequestFormTest)
#include "tst_requestform.moc"
