#include "confirmationsend.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

// The sending state every confirmation-only form shares.
class ConfirmationSendTest : public QObject
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

    // The form that owns a send goes while it waits: nothing fires into it afterwards (a
    // sanitizer or a crash would say so).
    void sendDiesWithItsForm()
    {
        auto send = std::make_unique<ConfirmationSend>();
        QVERIFY(send->send());
        send.reset();
        waitLongerThan(int(ConfirmationSend::defaultDelay.count()));
    }
};

QTEST_GUILESS_MAIN(ConfirmationSendTest)
#include "tst_confirmationsend.moc"
