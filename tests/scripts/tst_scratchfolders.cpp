#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

// The session wrapper every bus-bound test runs under, and the stand-in site the demo run starts,
// each run with a temporary folder of their own: once they have ended, by themselves or stopped
// by a signal, the folder is as empty as it was.
class ScratchFoldersTest : public QObject
{
    Q_OBJECT

private:
    // Starts `program` with `temporary` as its temporary folder.
    static void startIn(QProcess &process, const QTemporaryDir &temporary, const QString &program, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TMPDIR"), temporary.path());
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program, arguments);
    }

    static QStringList leftIn(const QTemporaryDir &temporary)
    {
        return QDir(temporary.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    // Reads `process`'s output until a line holds `text`.
    static bool waitForLine(QProcess &process, const QByteArray &text)
    {
        while (process.waitForReadyRead(20000)) {
            while (process.canReadLine()) {
                if (process.readLine().contains(text))
                    return true;
            }
        }
        return false;
    }

private Q_SLOTS:
    void sessionWrapper_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("stopSignal");
        QTest::addColumn<int>("exitCode");
        const QStringList keyring{QStringLiteral("--keyring")};
        // The command writes into its home, as a test's settings and keyring do.
        const QString writes = QStringLiteral("touch \"$HOME/written\"; echo started; ");
        QTest::newRow("bus") << QStringList() << writes + QStringLiteral("exit 0") << 0 << 0;
        QTest::newRow("bus and keyring") << keyring << writes + QStringLiteral("exit 0") << 0 << 0;
        QTest::newRow("a command that fails") << keyring << writes + QStringLiteral("exit 3") << 0 << 3;
        QTest::newRow("stopped") << keyring << writes + QStringLiteral("exec sleep 120") << int(SIGTERM) << 143;
        QTest::newRow("interrupted") << keyring << writes + QStringLiteral("exec sleep 120") << int(SIGINT) << 130;
    }
    void sessionWrapper()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, script);
        QFETCH(int, stopSignal);
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QProcess wrapper;
        startIn(wrapper, temporary, QStringLiteral(TARVIK_SCRIPTS_DIR "/with-session-bus.sh"),
                options + QStringList{QStringLiteral("bash"), QStringLiteral("-c"), script});
        QVERIFY(waitForLine(wrapper, "started"));
        // Its home is in the folder while the command runs.
        QCOMPARE(leftIn(temporary).size(), 1);
        if (stopSignal)
            ::kill(pid_t(wrapper.processId()), stopSignal);
        QVERIFY(wrapper.waitForFinished(60000));
        QCOMPARE(wrapper.exitStatus(), QProcess::NormalExit);
        QTEST(wrapper.exitCode(), "exitCode");
        QCOMPARE(leftIn(temporary), QStringList());
    }

    void standin_data()
    {
        QTest::addColumn<int>("stopSignal");
        QTest::newRow("terminated") << int(SIGTERM);
        QTest::newRow("interrupted") << int(SIGINT);
        QTest::newRow("hung up") << int(SIGHUP);
    }
    void standin()
    {
        QFETCH(int, stopSignal);
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QProcess standin;
        startIn(standin, temporary, QStringLiteral(TARVIK_STANDIN_PROGRAM), {QStringLiteral("--port"), QStringLiteral("0")});
        QVERIFY(waitForLine(standin, "Demo password"));
        // Its keys and certificates are in the folder while it serves.
        QCOMPARE(leftIn(temporary).size(), 1);
        ::kill(pid_t(standin.processId()), stopSignal);
        QVERIFY(standin.waitForFinished(30000));
        QCOMPARE(standin.exitStatus(), QProcess::NormalExit);
        QCOMPARE(standin.exitCode(), 0);
        QCOMPARE(leftIn(temporary), QStringList());
    }
};

QTEST_GUILESS_MAIN(ScratchFoldersTest)
#include "tst_scratchfolders.moc"
