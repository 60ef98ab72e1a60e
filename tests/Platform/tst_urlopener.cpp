#include "xdgurlopener.h"

#include <QCoroTask>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The desktop opener with stand-ins of xdg-mime and xdg-open that log how they were called.
class UrlOpenerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // The query stand-in answers by the file named in TARVIK_TEST_HANDLER; the open one logs.
        writeScript(QStringLiteral("query"),
                    "#!/bin/sh\necho \"$@\" >> \"$TARVIK_TEST_LOG\"\ncase \"$TARVIK_TEST_HANDLER\" in\n"
                    "  fail) exit 1 ;;\n  none) exit 0 ;;\n  *) echo \"$TARVIK_TEST_HANDLER\" ;;\nesac\n");
        writeScript(QStringLiteral("open"), "#!/bin/sh\necho \"open $1\" >> \"$TARVIK_TEST_LOG\"\n");
        qputenv("TARVIK_TEST_LOG", m_dir.filePath(QStringLiteral("log")).toLocal8Bit());
    }

    void init() { QFile::remove(m_dir.filePath(QStringLiteral("log"))); }

    void opens_data()
    {
        QTest::addColumn<QString>("handler");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QStringList>("log");

        QTest::newRow("a handler exists") << "bank-app.desktop"
                                          << "SberPay://pay?order=1" << true
                                          << QStringList{"query default x-scheme-handler/sberpay", "open sberpay://pay?order=1"};
        QTest::newRow("no handler") << "none"
                                    << "bank100000000004://qr.nspk.ru/AS1" << false
                                    << QStringList{"query default x-scheme-handler/bank100000000004"};
        QTest::newRow("the query fails") << "fail"
                                         << "tinkoffbank://Main" << false << QStringList{"query default x-scheme-handler/tinkoffbank"};
        QTest::newRow("no scheme") << "bank-app.desktop"
                                   << "/relative/path" << false << QStringList{};
    }

    void opens()
    {
        QFETCH(QString, handler);
        QFETCH(QString, address);
        QFETCH(bool, opened);
        QFETCH(QStringList, log);

        qputenv("TARVIK_TEST_HANDLER", handler.toLocal8Bit());
        XdgUrlOpener opener(nullptr, m_dir.filePath(QStringLiteral("query")), m_dir.filePath(QStringLiteral("open")));
        QCOMPARE(QCoro::waitFor(opener.open(QUrl(address))), opened);
        // xdg-open runs detached: give it a moment to write.
        if (opened)
            QTRY_COMPARE(readLog(), log);
        else
            QCOMPARE(readLog(), log);
    }

    void missingProgramsOpenNothing()
    {
        XdgUrlOpener opener(nullptr, m_dir.filePath(QStringLiteral("no-such-query")), m_dir.filePath(QStringLiteral("open")));
        QCOMPARE(QCoro::waitFor(opener.open(QUrl(QStringLiteral("sberpay://pay")))), false);
        QCOMPARE(readLog(), QStringList());
    }

private:
    void writeScript(const QString &name, const QByteArray &body)
    {
        QFile script(m_dir.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(body);
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    QStringList readLog() const
    {
        QFile log(m_dir.filePath(QStringLiteral("log")));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(UrlOpenerTest)

#include "tst_urlopener.moc"
