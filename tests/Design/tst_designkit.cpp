#include "assetcatalog.h"
#include "assetimage.h"
#include "fontpreload.h"
#include "pixelheart.h"
#include "roundedcornershape.h"
#include "softrectangle.h"
#include "symbolcatalog.h"
#include "tarvikappearancetheme.h"
#include "theme.h"

#include <QDirIterator>
#include <QFontInfo>
#include <QFontMetrics>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QRawFont>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>

namespace
{
// Symbol names given as string literals to SymbolImage's `name`, to a symbol button, or to any
// `icon`/`...Icon`/`symbol` property (rows, buttons, table rows of JS objects).
QStringList symbolLiterals(const QString &qml)
{
    QStringList found;
    static const QRegularExpression iconProperty(QStringLiteral("\\b(?:icon|[a-z]+Icon|symbol)\\s*:\\s*([^\\n;,}]*)"));
    static const QRegularExpression literal(QStringLiteral("\"([^\"\\n]*)\""));
    const auto collect = [&](const QString &expression) {
        for (auto it = literal.globalMatch(expression); it.hasNext();)
            found.append(it.next().captured(1));
    };
    for (auto it = iconProperty.globalMatch(qml); it.hasNext();)
        collect(it.next().captured(1));
    // `name:` only counts inside a SymbolImage block.
    static const QRegularExpression symbolImage(QStringLiteral("\\bSymbolImage\\s*\\{"));
    static const QRegularExpression nameProperty(QStringLiteral("\\bname\\s*:\\s*([^\\n;]*)"));
    for (auto it = symbolImage.globalMatch(qml); it.hasNext();) {
        const auto match = it.next();
        int depth = 1;
        qsizetype end = match.capturedEnd();
        for (; end < qml.size() && depth > 0; ++end) {
            if (qml.at(end) == QLatin1Char('{'))
                ++depth;
            else if (qml.at(end) == QLatin1Char('}'))
                --depth;
        }
        const QString block = qml.mid(match.capturedEnd(), end - match.capturedEnd());
        for (auto names = nameProperty.globalMatch(block); names.hasNext();)
            collect(names.next().captured(1));
    }
    return found;
}

// Asset names given as string literals to AssetImage's `name`.
QStringList assetLiterals(const QString &qml)
{
    QStringList found;
    static const QRegularExpression assetImage(QStringLiteral("\\bAssetImage\\s*\\{[^}]*?\\bname\\s*:\\s*\"([^\"]*)\""));
    for (auto it = assetImage.globalMatch(qml); it.hasNext();)
        found.append(it.next().captured(1));
    return found;
}

QMap<QString, QString> qmlSources()
{
    QMap<QString, QString> sources;
    QDirIterator it(QStringLiteral(TARVIK_SOURCE_DIR "/src"), {QStringLiteral("*.qml")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly))
            sources.insert(file.fileName(), QString::fromUtf8(file.readAll()));
    }
    return sources;
}

// Warnings the engine reports while creating `qml`.
QStringList creationWarnings(const QByteArray &qml)
{
    QQmlEngine engine;
    engine.addImportPath(QStringLiteral("qrc:/qt/qml"));
    engine.setOutputWarningsToStandardError(false);
    QStringList warnings;
    QObject::connect(&engine, &QQmlEngine::warnings, [&](const QList<QQmlError> &errors) {
        for (const QQmlError &error : errors)
            warnings.append(error.toString());
    });
    QQmlComponent component(&engine);
    component.setData("import QtQuick\nimport Tarvik.Design\n" + qml, QUrl(QStringLiteral("file:///warnings.qml")));
    std::unique_ptr<QObject> object(component.create());
    if (!object)
        warnings.append(component.errorString());
    return warnings;
}
} // namespace

class DesignKitTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every text style is set in the family really installed, with the Cyrillic the app writes in,
    // and takes a weight over its own.
    void textStyles()
    {
        for (const Theme::TextStyle style : {Theme::LargeTitle, Theme::Headline, Theme::Body, Theme::Caption2}) {
            const QFont font = Theme::font(style);
            QCOMPARE(int(Theme::font(style, QFont::Black).weight()), int(QFont::Black));
            QCOMPARE(QFontInfo(font).family(), QStringLiteral("Inter"));
            QVERIFY(QFontMetrics(font).inFont(QChar(u'Ж')));
            QVERIFY(QFontMetrics(font).inFont(QChar(u'ё')));
            QVERIFY(QFontMetrics(font).inFont(QChar(u'₽')));
        }
    }

    // Start-up reads the font configuration on a thread of its own; the app's family asked for
    // meanwhile waits for it, whether or not the application object has been announced to it, and
    // is the family it found.
    void familyAskedForDuringThePreload()
    {
        {
            FontPreload preload;
            QCOMPARE(Theme::fontFamily(), QStringLiteral("Inter"));
        }
        FontPreload preload;
        preload.applicationMade();
        QCOMPARE(Theme::fontFamily(), QStringLiteral("Inter"));
        QCOMPARE(QFontInfo(Theme::applicationFont()).family(), QStringLiteral("Inter"));
    }

    void everySymbolHasAGlyph()
    {
        const QRawFont font(SymbolCatalog::fontFile(), 24);
        QVERIFY2(font.isValid(), qPrintable(SymbolCatalog::fontFile()));
        const QStringList names = SymbolCatalog::names();
        QVERIFY(names.size() > 100);
        for (const QString &name : names)
            QVERIFY2(font.supportsCharacter(QChar(SymbolCatalog::glyph(name)->codepoint)), qPrintable(name));
    }

    void scannerFindsSymbolLiterals()
    {
        const QString qml = QStringLiteral(
            "SymbolImage { id: a\n  name: shown ? \"eye.slash.fill\" : \"eye.fill\"\n  Rectangle { color: \"red\" } }\n"
            "Text { name: \"not.a.symbol\" }\n"
            "PrimaryGlassButton { title: \"Понятно\"; icon: \"checkmark\" }\n"
            "property var rows: [{ title: \"Сумма\", icon: \"rublesign.circle\" }, { icon: \"wifi\", title: \"Интернет\" }]\n"
            "SymbolButton { symbol: \"xmark\"; text: \"Закрыть\" }\n"
            "HomeHubButton { leadingIcon: \"bag.fill\" }\n");
        QCOMPARE(symbolLiterals(qml),
                 QStringList({QStringLiteral("checkmark"), QStringLiteral("rublesign.circle"), QStringLiteral("wifi"), QStringLiteral("xmark"), QStringLiteral("bag.fill"),
                              QStringLiteral("eye.slash.fill"), QStringLiteral("eye.fill")}));
        QCOMPARE(assetLiterals(QStringLiteral("AssetImage {\n width: 150\n name: \"TarvikOfficialLogo\" }")), QStringList{QStringLiteral("TarvikOfficialLogo")});
    }

    // Every symbol and asset named by a screen exists, so no screen shows an empty square.
    void qmlSourcesNameKnownSymbolsAndAssets()
    {
        const auto sources = qmlSources();
        QVERIFY(!sources.isEmpty());
        int symbols = 0;
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            for (const QString &name : symbolLiterals(it.value())) {
                ++symbols;
                QVERIFY2(SymbolCatalog::contains(name), qPrintable(it.key() + QStringLiteral(": unknown symbol ") + name));
            }
            for (const QString &name : assetLiterals(it.value()))
                QVERIFY2(AssetCatalog::contains(name), qPrintable(it.key() + QStringLiteral(": unknown asset ") + name));
        }
        QVERIFY(symbols > 0);
    }

    void everyAssetLoads()
    {
        QStringList files;
        for (QDirIterator it(QStringLiteral(":/qt/qml/Tarvik/Design/assets")); it.hasNext();)
            files.append(QFileInfo(it.next()).completeBaseName());
        files.sort();
        QStringList names = AssetCatalog::names();
        names.sort();
        QCOMPARE(files, names);
        for (const QString &name : names) {
            const QSvgRenderer renderer(AssetCatalog::path(name));
            QVERIFY2(renderer.isValid() && !renderer.viewBoxF().isEmpty(), qPrintable(name));
        }
        QVERIFY(AssetCatalog::path(QStringLiteral("tarvikofficiallogo")).isEmpty());
    }

    void unknownNamesWarn_data()
    {
        QTest::addColumn<QByteArray>("qml");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("known symbol") << QByteArray("SymbolImage { name: \"xmark\" }") << QString();
        QTest::newRow("unknown symbol") << QByteArray("SymbolImage { name: \"xmark.octagon\" }") << QStringLiteral("xmark.octagon");
        QTest::newRow("symbol renamed later") << QByteArray("SymbolImage { name: \"xmark\"; Component.onCompleted: name = \"Xmark\" }")
                                              << QStringLiteral("Xmark");
        QTest::newRow("known asset") << QByteArray("AssetImage { name: \"StoryTV\" }") << QString();
        QTest::newRow("unknown asset") << QByteArray("AssetImage { name: \"StoryTv\" }") << QStringLiteral("StoryTv");
    }

    void unknownNamesWarn()
    {
        QFETCH(QByteArray, qml);
        QFETCH(QString, unknown);
        const QStringList warnings = creationWarnings(qml);
        if (unknown.isEmpty()) {
            QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
        } else {
            QCOMPARE(warnings.size(), 1);
            QVERIFY2(warnings.first().contains(QLatin1Char('"') + unknown + QLatin1Char('"')), qPrintable(warnings.first()));
        }
    }

    void pixelHeart_data()
    {
        QTest::addColumn<QRectF>("rect");
        QTest::addColumn<qreal>("cell");
        QTest::newRow("square") << QRectF(0, 0, 70, 70) << 10.0;
        QTest::newRow("wide: anchored top-left") << QRectF(0, 0, 70, 35) << 5.0;
        QTest::newRow("tall: anchored top-left") << QRectF(0, 0, 14, 40) << 2.0;
        QTest::newRow("offset origin") << QRectF(10, 20, 49, 49) << 7.0;
    }

    void pixelHeart()
    {
        QFETCH(QRectF, rect);
        QFETCH(qreal, cell);
        const QStringList picture{
            QStringLiteral(".##.##."), QStringLiteral("#######"), QStringLiteral("#######"), QStringLiteral(".#####."),
            QStringLiteral("..###.."), QStringLiteral("...#..."), QStringLiteral("......."),
        };
        QPainterPath heart = PixelHeart::path(rect);
        heart.setFillRule(Qt::WindingFill);
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 7; ++column) {
                const QPointF centre(rect.x() + (column + 0.5) * cell, rect.y() + (row + 0.5) * cell);
                QCOMPARE(heart.contains(centre), picture.at(row).at(column) == QLatin1Char('#'));
            }
        }
        QCOMPARE(heart.boundingRect(), QRectF(rect.topLeft(), QSizeF(7 * cell, 6 * cell)));
        QCOMPARE(PixelHeart::cells().size(), 27);
    }

    void pixelHeartInAnEmptyRectangleDrawsNothing()
    {
        QVERIFY(PixelHeart::path(QRectF()).boundingRect().isEmpty());
    }

    void roundedCorners_data()
    {
        QTest::addColumn<int>("corners");
        QTest::addColumn<qreal>("radius");
        QTest::newRow("top corners") << int(RoundedCornerShape::TopLeft | RoundedCornerShape::TopRight) << 20.0;
        QTest::newRow("diagonal") << int(RoundedCornerShape::TopLeft | RoundedCornerShape::BottomRight) << 20.0;
        QTest::newRow("all") << int(RoundedCornerShape::AllCorners) << 20.0;
        QTest::newRow("none") << 0 << 20.0;
        QTest::newRow("radius beyond half the height") << int(RoundedCornerShape::BottomLeft) << 500.0;
    }

    void roundedCorners()
    {
        QFETCH(int, corners);
        QFETCH(qreal, radius);
        const QRectF rect(0, 0, 100, 60);
        const QPainterPath path = RoundedCornerShape::path(rect, radius, RoundedCornerShape::Corners(corners));
        const std::pair<RoundedCornerShape::Corner, QPointF> cornerPoints[] = {
            {RoundedCornerShape::TopLeft, {1, 1}},
            {RoundedCornerShape::TopRight, {99, 1}},
            {RoundedCornerShape::BottomLeft, {1, 59}},
            {RoundedCornerShape::BottomRight, {99, 59}},
        };
        for (const auto &[corner, point] : cornerPoints)
            QCOMPARE(path.contains(point), !(corners & corner));
        QVERIFY(path.contains(rect.center()));
        QCOMPARE(path.boundingRect(), rect);
        // A radius beyond half the shorter side rounds into a half circle, never past it.
        if (radius > 30)
            QVERIFY(path.contains(QPointF(30, 59)) && !path.contains(QPointF(4, 46)));
    }

    void softEdges_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<qreal>("blur");
        QTest::addColumn<qreal>("expected");
        // A 200 × 100 rectangle centred on the origin, corner radius 20.
        QTest::newRow("centre") << QPointF(0, 0) << 10.0 << 1.0;
        QTest::newRow("on a straight edge") << QPointF(100, 0) << 10.0 << 0.5;
        QTest::newRow("one deviation inside") << QPointF(90, 0) << 10.0 << 0.8413;
        QTest::newRow("far outside") << QPointF(160, 0) << 10.0 << 0.0;
        QTest::newRow("outside the rounded corner") << QPointF(98, 48) << 0.0 << 0.0;
        QTest::newRow("sharp inside") << QPointF(99, 0) << 0.0 << 1.0;
    }

    void softEdges()
    {
        QFETCH(QPointF, point);
        QFETCH(qreal, blur);
        QFETCH(qreal, expected);
        QVERIFY(qAbs(SoftRectangle::coverage(point, QSizeF(200, 100), 20, blur) - expected) < 0.001);
    }

    void appearanceTheme_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("theme"); // -1: none
        QTest::newRow("Системная") << QStringLiteral("Системная") << int(TarvikAppearanceTheme::System);
        QTest::newRow("Светлая") << QStringLiteral("Светлая") << int(TarvikAppearanceTheme::Light);
        QTest::newRow("Тёмная") << QStringLiteral("Тёмная") << int(TarvikAppearanceTheme::Dark);
        QTest::newRow("lower-case first letter") << QStringLiteral("светлая") << -1;
        QTest::newRow("е for ё") << QStringLiteral("Темная") << -1;
        QTest::newRow("padded") << QStringLiteral(" Светлая") << -1;
        QTest::newRow("case name") << QStringLiteral("light") << -1;
        QTest::newRow("empty") << QString() << -1;
    }

    void appearanceTheme()
    {
        QFETCH(QString, text);
        QFETCH(int, theme);
        const auto found = TarvikAppearanceTheme::fromRawValue(text);
        QCOMPARE(found.has_value(), theme >= 0);
        if (found) {
            QCOMPARE(int(*found), theme);
            QCOMPARE(TarvikAppearanceTheme::rawValue(*found), text);
        }
        QCOMPARE(TarvikAppearanceTheme::allCases(),
                 QList<TarvikAppearanceTheme::Theme>({TarvikAppearanceTheme::System, TarvikAppearanceTheme::Light, TarvikAppearanceTheme::Dark}));
    }

    void assetPlacement_data()
    {
        QTest::addColumn<QSizeF>("source");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QRectF>("expected");
        const QRectF frame(0, 0, 150, 32);
        QTest::newRow("logo fits, leading") << QSizeF(300, 32) << int(AssetImage::Fit) << int(Qt::AlignLeft) << QRectF(0, 8, 150, 16);
        QTest::newRow("logo fits, centred") << QSizeF(75, 32) << int(AssetImage::Fit) << int(Qt::AlignCenter) << QRectF(37.5, 0, 75, 32);
        QTest::newRow("fill crops the sides") << QSizeF(100, 100) << int(AssetImage::Fill) << int(Qt::AlignCenter) << QRectF(0, -59, 150, 150);
        QTest::newRow("stretch") << QSizeF(10, 10) << int(AssetImage::Stretch) << int(Qt::AlignCenter) << frame;
    }

    void assetPlacement()
    {
        QFETCH(QSizeF, source);
        QFETCH(int, mode);
        QFETCH(int, alignment);
        QFETCH(QRectF, expected);
        QCOMPARE(AssetImage::placement(source, QRectF(0, 0, 150, 32), AssetImage::FillMode(mode), Qt::Alignment(alignment)), expected);
    }
};

QTEST_MAIN(DesignKitTest)
#include "tst_designkit.moc"
