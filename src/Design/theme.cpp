#include "theme.h"

#include "fontpreload.h"

#include <QFontDatabase>

#include <array>

namespace
{
// The platform's text styles at the default content size, in points (= logical pixels here).
constexpr std::array<Theme::TextStyleMetrics, 11> textStyles{{
    {34, QFont::Normal},   // large title
    {28, QFont::Normal},   // title
    {22, QFont::Normal},   // title 2
    {20, QFont::Normal},   // title 3
    {17, QFont::DemiBold}, // headline
    {17, QFont::Normal},   // body
    {16, QFont::Normal},   // callout
    {15, QFont::Normal},   // subheadline
    {13, QFont::Normal},   // footnote
    {12, QFont::Normal},   // caption
    {11, QFont::Normal},   // caption 2
}};

QString firstInstalled(std::initializer_list<const char *> families)
{
    for (const char *family : families) {
        if (QFontDatabase::hasFamily(QLatin1String(family)))
            return QLatin1String(family);
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}
} // namespace

Theme::Theme(QObject *parent)
    : QObject(parent)
{
}

QColor Theme::tarInk()
{
    static const QColor color(21, 23, 45);
    return color;
}

QColor Theme::tarPink()
{
    static const QColor color(226, 84, 155);
    return color;
}

QColor Theme::tarOrange()
{
    static const QColor color(237, 122, 48);
    return color;
}

QColor Theme::tarPaper()
{
    static const QColor color(244, 245, 248);
    return color;
}

QColor Theme::tarSurface()
{
    // The platform's secondary grouped background, which is white in the light appearance.
    static const QColor color(255, 255, 255);
    return color;
}

Theme::TextStyleMetrics Theme::textStyle(TextStyle style)
{
    return textStyles.at(static_cast<size_t>(style));
}

QString Theme::fontFamily()
{
    // While start-up reads the font configuration on a thread, this waits for it rather than read
    // it a second time.
    FontPreload::waitForFonts();
    static const QString family = firstInstalled({"Inter", "DejaVu Sans"});
    return family;
}

QString Theme::roundedFontFamily()
{
    // Debian has no rounded sans with Cyrillic and heavy weights; the rounded design falls back to
    // the app's sans.
    return fontFamily();
}

QFont Theme::applicationFont()
{
    return font(Body);
}

QFont Theme::font(TextStyle style, int weight, bool rounded, qreal tracking)
{
    const TextStyleMetrics metrics = textStyle(style);
    return systemFont(metrics.pixelSize, weight < 0 ? metrics.weight : weight, rounded, tracking);
}

QFont Theme::systemFont(qreal pixelSize, int weight, bool rounded, qreal tracking)
{
    QFont font(rounded ? roundedFontFamily() : fontFamily());
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(qBound(1, weight, 1000)));
    if (tracking != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    return font;
}

QColor Theme::withOpacity(const QColor &color, qreal opacity)
{
    QColor result = color;
    result.setAlphaF(qBound<qreal>(0, opacity, 1));
    return result;
}
