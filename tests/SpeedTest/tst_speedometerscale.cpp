#include "speedometerscale.h"
#include "speedtestconfig.h"
#include "speedtestprotocol.h"

#include <QTest>

#include <cmath>

// The gauge's logarithmic scale and label layout, the screen's number texts, the latency and
// speed formulas, and where the speed-test host comes from.
class SpeedometerScaleTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fractionAndNeedle_data()
    {
        QTest::addColumn<double>("megabits");
        QTest::addColumn<double>("fraction");
        QTest::addColumn<int>("lit");
        QTest::newRow("0") << 0.0 << 0.0 << 0;
        QTest::newRow("1") << 1.0 << std::log10(2.0) / std::log10(1001.0) << 0;
        QTest::newRow("9") << 9.0 << 1.0 / std::log10(1001.0) << 2;
        QTest::newRow("10") << 10.0 << std::log10(11.0) / std::log10(1001.0) << 2;
        QTest::newRow("100") << 100.0 << std::log10(101.0) / std::log10(1001.0) << 5;
        QTest::newRow("1000") << 1000.0 << 1.0 << 8;
        QTest::newRow("2500") << 2500.0 << 1.0 << 8;
        QTest::newRow("negative") << -5.0 << 0.0 << 0;
        QTest::newRow("not a number") << std::nan("") << 0.0 << 0;
        QTest::newRow("infinite") << HUGE_VAL << 0.0 << 0;
    }

    void fractionAndNeedle()
    {
        QFETCH(double, megabits);
        QFETCH(double, fraction);
        QFETCH(int, lit);
        QVERIFY(std::abs(SpeedometerScale::fraction(megabits) - fraction) < 1e-12);
        QVERIFY(std::abs(SpeedometerScale::needleAngle(megabits) - (fraction * 270 - 135)) < 1e-9);
        QCOMPARE(SpeedometerScale::litTickIndex(megabits), lit);
    }

    void landmarks()
    {
        QVERIFY(std::abs(SpeedometerScale::fraction(10) - 0.347) < 0.001);
        QVERIFY(std::abs(SpeedometerScale::fraction(100) - 0.668) < 0.001);
        // Straight up at about 30.6 Mbit/s.
        QVERIFY(std::abs(SpeedometerScale::needleAngle(30.6)) < 0.2);
        QCOMPARE(SpeedometerScale::needleAngle(0), -135.0);
        QCOMPARE(SpeedometerScale::needleAngle(5000), 135.0);
    }

    void labels()
    {
        QStringList texts;
        for (int i = 0; i < SpeedometerScale::ticks().size(); ++i)
            texts.append(SpeedometerScale::tickLabel(i));
        QCOMPARE(texts, (QStringList{"0", "5", "10", "50", "100", "250", "500", "750", "1k"}));
        const auto close = [](QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()) < 1e-9; };
        const double side = 286;
        const double offset = 0.34 * side * std::sqrt(0.5);
        QVERIFY(close(SpeedometerScale::tickPosition(0, side), QPointF(143 - offset, 143 + offset)));
        QVERIFY(close(SpeedometerScale::tickPosition(4, side), QPointF(143, 143 - 0.34 * side)));
        QVERIFY(close(SpeedometerScale::tickPosition(8, side), QPointF(143 + offset, 143 + offset)));
        QCOMPARE(SpeedometerScale::tickAngle(2), -67.5);
        const double a = -67.5 * M_PI / 180;
        QVERIFY(close(SpeedometerScale::tickPosition(2, side), QPointF(143 + 0.34 * side * std::sin(a), 143 - 0.34 * side * std::cos(a))));
    }

    void texts()
    {
        QCOMPARE(SpeedometerScale::panelValue(94.37), QStringLiteral("94.4"));
        QCOMPARE(SpeedometerScale::panelValue(QVariant()), QStringLiteral("—"));
        QCOMPARE(SpeedometerScale::metricValue(12.6), QStringLiteral("13"));
        QCOMPARE(SpeedometerScale::metricValue(QVariant()), QStringLiteral("—"));
        QCOMPARE(SpeedometerScale::gaugeValue(0), QStringLiteral("0,00"));
        QCOMPARE(SpeedometerScale::gaugeValue(94.37), QStringLiteral("94,37"));
        QCOMPARE(SpeedometerScale::gaugeValue(1234.5), QStringLiteral("1\u00A0234,50"));
    }

    void formulas()
    {
        const SpeedTestProtocol::Latency latency = SpeedTestProtocol::latencyOf({10, 20, 15, 15});
        QCOMPARE(latency.ping, 15.0);
        QCOMPARE(latency.jitter, 5.0);
        QCOMPARE(SpeedTestProtocol::latencyOf({7}).jitter, 0.0);
        QCOMPARE(SpeedTestProtocol::megabitsPerSecond(10'000'000, 2.0), 40.0);
        QCOMPARE(SpeedTestProtocol::megabitsPerSecond(10'000'000, 0.0005), 80'000.0);
        QCOMPARE(SpeedTestProtocol::megabitsPerSecond(2'000'000, 1.0), 16.0);
    }

    void hostFromBuildEnvironmentAndArguments()
    {
        qunsetenv("TARVIK_SPEEDTEST_URL");
        qunsetenv("TARVIK_SPEEDTEST_LABEL");
        const SpeedTestConfig compiled = SpeedTestConfig::fromArguments({QStringLiteral("tarvik")});
        QCOMPARE(compiled.baseUrl, SpeedTestConfig::compiledBaseUrl());
        QCOMPARE(compiled.serviceLabel, SpeedTestConfig::compiledServiceLabel());

        qputenv("TARVIK_SPEEDTEST_URL", "https://127.0.0.5:8443");
        const SpeedTestConfig fromEnvironment = SpeedTestConfig::fromArguments({QStringLiteral("tarvik")});
        QCOMPARE(fromEnvironment.baseUrl, QUrl(QStringLiteral("https://127.0.0.5:8443/")));
        QCOMPARE(fromEnvironment.serviceLabel, QStringLiteral("127.0.0.5"));

        const SpeedTestConfig fromArguments = SpeedTestConfig::fromArguments(
            {QStringLiteral("tarvik"), QStringLiteral("--speedtest-url"), QStringLiteral("https://127.0.0.6/speed"),
             QStringLiteral("--speedtest-label=Стенд"), QStringLiteral("--base-url=https://127.0.0.7/")});
        QCOMPARE(fromArguments.baseUrl, QUrl(QStringLiteral("https://127.0.0.6/speed/")));
        QCOMPARE(fromArguments.serviceLabel, QStringLiteral("Стенд"));
        qunsetenv("TARVIK_SPEEDTEST_URL");
    }
};

QTEST_GUILESS_MAIN(SpeedometerScaleTest)

#include "tst_speedometerscale.moc"
