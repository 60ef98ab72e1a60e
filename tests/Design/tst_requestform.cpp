#include "confirmationsend.h"
#include "phoneentry.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

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
        QTest::addColumn<QString>("stored");

        QTest::newRow("start") << QStringLiteral("+7 ") << QStringLiteral("+7 ");
        QTest::newRow("everything deleted") << QString() << QStringLiteral("+7 ");
        QTest::newRow("first digit typed") << QStringLiteral("+7 9") << QStringLiteral("+7 9");
        QTest::newRow("eleven digits from 8 with brackets, blanks, dashes")
            << QStringLiteral("8 (912) 345-67-89") << QStringLiteral("+7 9123456789");
        QTest::newRow("pasted +7 number") << QStringLiteral("+7 (912) 345 67 89") << QStringLiteral("+7 9123456789");
        QTest::newRow("over-long after 7 keeps the first ten") << QStringLiteral("7912345678901234")
                                                                << QStringLiteral("+7 9123456789");
        QTest::newRow("typing past ten digits") << QStringLiteral("+7 91234567890") << QStringLiteral("+7 9123456789");
        QTest::newRow("letters dropped") << QStringLiteral("+7 9a1b2") << QStringLiteral("+7 912");
        // Only ASCII digits count: fractions, superscripts and other scripts' digits are dropped.
        QTest::newRow("vulgar fraction") << QStringLiteral("+7 912½") << QStringLiteral("+7 912");
        QTest::newRow("superscript") << QStringLiteral("+7 9²") << QStringLiteral("+7 9");
        QTest::newRow("arabic-indic digits") << QStringLiteral("+7 ٩١٢٣") << QStringLiteral("+7 ");
        QTest::newRow("devanagari digits") << QStringLiteral("+7 ९१२") << QStringLiteral("+7 ");
        QTest::newRow("fullwidth digits") << QStringLiteral("+7 ９１２") << QStringLiteral("+7 ");
        // Only one leading 8 or 7 goes.
        QTest::newRow("typed 8 after the prefix") << QStringLiteral("+7 8") << QStringLiteral("+7 8");
        QTest::newRow("77") << QStringLiteral("77") << QStringLiteral("+7 7");
    }

    void phoneEntry()
    {
        QFETCH(QString, edited);
        QFETCH(QString, stored);
        QCOMPARE(PhoneEntry::normalized(edited), stored);
        // Storing is stable: the field reads the stored value back unchanged.
        QCOMPARE(PhoneEntry::normalized(stored), stored);
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

    void destroyedWhileWaiting()
    {
        auto send = std::make_unique<ConfirmationSend>();
        send->setDelay(10);
        QVERIFY(send->send());
        send.reset();
        // Nothing is resumed into the destroyed object while the event loop runs past the delay.
        waitLongerThan(10);
    }
};

QTEST_GUILESS_MAIN(RequestFormTest)
#include "tst_requestform.moc"
