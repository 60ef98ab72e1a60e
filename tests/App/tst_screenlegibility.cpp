#include "clock.h"
#include "qmlrender.h"
#include "tarvikapp.h"
#include "tarvikappsingleton.h"
#include "userdefaults.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace
{
// Relative luminance of a colour, as the contrast ratio of the web's guidelines takes it.
double luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

QList<QQuickItem *> textItems(QObject *root)
{
    QList<QQuickItem *> found;
    for (QQuickItem *item : root->findChildren<QQuickItem *>()) {
        if (item->inherits("QQuickText") && item->isVisible())
            found.append(item);
    }
    return found;
}

// The largest difference of any colour channel between two pictures inside `area`.
int largestDifference(const QImage &a, const QImage &b, const QRect &area)
{
    int largest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

// Lines of dark text behind a panel (or none), then the panel.
QByteArray overText(const QByteArray &panel, bool withText)
{
    return QByteArray("import QtQuick\nimport Tarvik.Design\nRectangle {\n    color: \"white\"\n")
        + "    Column { id: page; anchors.fill: parent; Repeater { model: " + (withText ? "40" : "0")
        + "; Text { text: \"Сбербанк Онлайн · Выбрать способ оплаты · Добавить лицевой счёт\"; font.pixelSize: 19; font.bold: true } } }\n"
        + panel + "\n}\n";
}
} // namespace

// What a user reads on the built screens: panels that hide what is behind them, text that stands
// on a calm part of its artwork, a greeting that stays inside the screen, symbols that differ.
class ScreenLegibilityTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_defaults = std::make_unique<UserDefaults>(m_dir.filePath(QStringLiteral("defaults.ini")));
        m_app = std::make_unique<TarvikApp>(TarvikApp::Collaborators{.defaults = m_defaults.get(), .clock = &m_clock});
        TarvikAppSingleton::setInstance(m_app.get());
    }

    void cleanupTestCase() { TarvikAppSingleton::setInstance(nullptr); }

    // With the software renderer nothing can be blurred: the panel's fill must leave nothing behind
    // it legible. A render with text behind and one without differ by no more than a trace inside.
    void panelsHideWhatIsBehind_data()
    {
        QTest::addColumn<QByteArray>("panel");
        QTest::addColumn<QRect>("inside");

        QTest::newRow("material card")
            << QByteArray("    MaterialCard { x: 16; y: 300; width: 361; height: 160 }") << QRect(24, 308, 345, 144);
        // With the page behind it given: blurred where the renderer can (OpenGL), else the same fill.
        QTest::newRow("material card over the page")
            << QByteArray("    MaterialCard { x: 16; y: 300; width: 361; height: 160; backdrop: page }") << QRect(24, 308, 345, 144);
        QTest::newRow("alert") << QByteArray("    Alert { presented: true; title: \"Не удалось\"; message: \"\" }") << QRect(70, 400, 250, 30);
    }

    void panelsHideWhatIsBehind()
    {
        QFETCH(QByteArray, panel);
        QFETCH(QRect, inside);
        const QmlRender behind = renderQml(QStringLiteral("legibility-panel-over-text-") + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'), overText(panel, true));
        TARVIK_VERIFY_RENDER(behind);
        const QmlRender bare = renderQml(QStringLiteral("legibility-panel-alone-") + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'), overText(panel, false));
        TARVIK_VERIFY_RENDER(bare);
        // A blur (OpenGL) leaves a haze of what is behind: the software renderer's fill is compared.
        if (qEnvironmentVariable("QT_QUICK_BACKEND") == QLatin1String("software"))
            QVERIFY2(largestDifference(behind.image, bare.image, inside) <= 12, qPrintable(behind.pngPath));
    }

    // The autopay banner's white text stands on a part of its picture dark enough for 4.5:1.
    void autopayBannerTextContrast()
    {
        QList<QRect> textAreas;
        QmlRenderOptions options;
        options.interact = [&](QQuickWindow *, QObject *root) {
            for (QQuickItem *text : textItems(root)) {
                textAreas.append(text->mapRectToScene(QRectF(0, 0, text->width(), text->height())).toAlignedRect());
                text->setVisible(false);
            }
        };
        const QmlRender render = renderQml(QStringLiteral("legibility-autopay-banner-without-text"),
                                           "import QtQuick\nimport Tarvik.Payments\nItem { AutopayPromoBanner { x: 20; y: 20; width: 353 } }\n",
                                           options);
        TARVIK_VERIFY_RENDER(render);
        QCOMPARE(textAreas.size(), 3);
        double brightest = 0;
        for (const QRect &area : std::as_const(textAreas)) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x)
                    brightest = qMax(brightest, luminance(render.image.pixel(x, y)));
            }
        }
        const double contrast = (1.0 + 0.05) / (brightest + 0.05);
        QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("contrast %1:1 in %2").arg(contrast).arg(render.pngPath)));
    }

    // A long name shrinks the greeting, then wraps and ends in an ellipsis within three lines;
    // nothing is painted past the text's box.
    void greetingStaysInside_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("short") << "Анна";
        QTest::newRow("long") << "Константинопольская";
        QTest::newRow("double") << "Александровна-Константинопольская";
    }

    void greetingStaysInside()
    {
        QFETCH(QString, name);
        // Read while the screen exists.
        qreal contentWidth = -1, width = 0, right = 0;
        int lineCount = 0, pixelSize = 0;
        QmlRenderOptions options;
        options.interact = [&](QQuickWindow *, QObject *root) {
            const auto *greeting = root->findChild<QQuickItem *>(QStringLiteral("greeting"));
            if (!greeting)
                return;
            contentWidth = greeting->property("contentWidth").toReal();
            width = greeting->width();
            lineCount = greeting->property("lineCount").toInt();
            pixelSize = greeting->property("font").value<QFont>().pixelSize();
            right = greeting->mapRectToScene(QRectF(0, 0, greeting->width(), greeting->height())).right();
        };
        const QmlRender render = renderQml(QStringLiteral("legibility-greeting-%1").arg(name.size()),
                                           "import QtQuick\nimport Tarvik.App\nSessionLoadingView { firstName: \"" + name.toUtf8() + "\" }\n",
                                           options);
        TARVIK_VERIFY_RENDER(render);
        QVERIFY(contentWidth >= 0);
        QVERIFY2(contentWidth <= width + 0.5, qPrintable(QStringLiteral("%1 > %2 in %3").arg(contentWidth).arg(width).arg(render.pngPath)));
        QVERIFY(lineCount <= 3);
        QVERIFY(pixelSize >= qFloor(52 * 0.68));
        QVERIFY(right <= render.image.width() - 28 + 0.5);
    }

    // The members of each pair look different; the badge is drawn.
    void symbolPairsDiffer_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("tv") << "tv" << "tv.fill";
        QTest::newRow("bag") << "bag" << "bag.fill";
        QTest::newRow("bell badge") << "bell.fill" << "bell.badge.fill";
    }

    void symbolPairsDiffer()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        const auto symbol = [](const QString &name) {
            return renderQml(QStringLiteral("legibility-symbol-") + name,
                             "import QtQuick\nimport Tarvik.Design\nRectangle { color: \"white\"; SymbolImage { x: 10; y: 10; name: \""
                                 + name.toUtf8() + "\"; size: 28 } }\n",
                             QmlRenderOptions{.size = QSize(64, 64), .settleMs = 50});
        };
        const QmlRender a = symbol(first);
        const QmlRender b = symbol(second);
        TARVIK_VERIFY_RENDER(a);
        TARVIK_VERIFY_RENDER(b);
        int differing = 0;
        for (int y = 0; y < 64; ++y) {
            for (int x = 0; x < 64; ++x)
                differing += qAbs(qGray(a.image.pixel(x, y)) - qGray(b.image.pixel(x, y))) > 96 ? 1 : 0;
        }
        QVERIFY2(differing >= 40, qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<UserDefaults> m_defaults;
    ManualClock m_clock{QDateTime(QDate(2026, 12, 7), QTime(10, 5))};
    std::unique_ptr<TarvikApp> m_app;
};

QTEST_MAIN(ScreenLegibilityTest)

#include "tst_screenlegibility.moc"
