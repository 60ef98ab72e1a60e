#include "symbolimage.h"

#include "symbolcatalog.h"

#include <QFontDatabase>
#include <QHash>
#include <QMutex>
#include <QRawFont>
#include <QThreadPool>
#include <QTransform>
#include <QPainter>
#include <QPainterPath>
#include <QtQml/qqmlinfo.h>

#include <cmath>

namespace
{
// Material glyphs fill about five sixths of their em box; a box of 1.5 × the point size shows them
// at roughly the size the platform's symbols have at that point size.
constexpr qreal boxPerPoint = 1.5;
// Decorated glyphs sit smaller inside their circle.
constexpr qreal decoratedScale = 0.6;

// Extra outline that thickens the single-weight icon font towards the requested weight.
qreal strokeForWeight(int weight, qreal em)
{
    if (weight <= QFont::Normal)
        return 0;
    return em * 0.08 * (qMin(weight, 900) - QFont::Normal) / 500.0;
}

// Outlines at one size, read straight from the font (laying text out would load the font's large
// ligature tables) and scaled where drawn. Items paint on the render thread; preloadOutlines()
// fills the table on a thread of its own.
constexpr qreal designSize = 100;

struct Outlines {
    QMutex lock;
    QHash<char16_t, QPainterPath> paths;
};

Outlines &outlines()
{
    static Outlines table;
    return table;
}

QPainterPath readOutline(const QRawFont &font, char16_t codepoint)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(QString(QChar(codepoint)));
    return glyphs.isEmpty() ? QPainterPath() : font.pathForGlyph(glyphs.constFirst());
}

QPainterPath glyphPath(char16_t codepoint, qreal em, const QPointF &centre)
{
    QPainterPath outline;
    {
        Outlines &table = outlines();
        const QMutexLocker locker(&table.lock);
        auto found = table.paths.constFind(codepoint);
        if (found == table.paths.constEnd()) {
            const QRawFont font(SymbolCatalog::fontFile(), designSize);
            found = table.paths.insert(codepoint, readOutline(font, codepoint));
        }
        outline = *found;
    }
    // Centre the glyph's design box, not its ink, so arrows and chevrons keep their optical position.
    QTransform placement;
    placement.translate(centre.x() - em / 2, centre.y() + em / 2);
    placement.scale(em / designSize, em / designSize);
    return placement.map(outline);
}

void drawGlyph(QPainter *painter, const QPainterPath &path, qreal stroke, const QColor &color)
{
    painter->fillPath(path, color);
    if (stroke > 0) {
        QPen pen(color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        painter->strokePath(path, pen);
    }
}
} // namespace

void SymbolImage::preloadOutlines()
{
    QThreadPool::globalInstance()->start([] {
        const QRawFont font(SymbolCatalog::fontFile(), designSize);
        Outlines &table = outlines();
        const QMutexLocker locker(&table.lock);
        for (const QString &name : SymbolCatalog::names()) {
            const char16_t codepoint = SymbolCatalog::glyph(name)->codepoint;
            if (!table.paths.contains(codepoint))
                table.paths.insert(codepoint, readOutline(font, codepoint));
        }
    });
}

SymbolImage::SymbolImage(QQuickItem *parent)
    : TexturePaintedItem(parent)
{
    setAntialiasing(true);
    updateImplicitSize();
}

void SymbolImage::setName(const QString &name)
{
    if (m_name == name)
        return;
    m_name = name;
    if (isComponentComplete())
        reportUnknownName();
    update();
    Q_EMIT nameChanged();
}

void SymbolImage::setSize(qreal size)
{
    if (qFuzzyCompare(m_size, size))
        return;
    m_size = size;
    updateImplicitSize();
    update();
    Q_EMIT sizeChanged();
}

void SymbolImage::setWeight(int weight)
{
    if (m_weight == weight)
        return;
    m_weight = weight;
    update();
    Q_EMIT weightChanged();
}

void SymbolImage::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    Q_EMIT colorChanged();
}

bool SymbolImage::isKnown() const
{
    return SymbolCatalog::contains(m_name);
}

qreal SymbolImage::boxSide(qreal size)
{
    return std::ceil(size * boxPerPoint);
}

void SymbolImage::componentComplete()
{
    TexturePaintedItem::componentComplete();
    reportUnknownName();
}

void SymbolImage::updateImplicitSize()
{
    const qreal side = boxSide(m_size);
    setImplicitSize(side, side);
}

void SymbolImage::reportUnknownName()
{
    if (!m_name.isEmpty() && !isKnown())
        qmlWarning(this) << "unknown symbol \"" << m_name << "\"";
}

void SymbolImage::paint(QPainter *painter)
{
    const auto glyph = SymbolCatalog::glyph(m_name);
    if (!glyph || m_size <= 0)
        return;

    const qreal em = m_size * boxPerPoint;
    const QPointF centre = boundingRect().center();
    const qreal stroke = strokeForWeight(m_weight, em);
    painter->setRenderHint(QPainter::Antialiasing);

    using Decoration = SymbolCatalog::Decoration;
    switch (glyph->decoration) {
    case Decoration::None:
        drawGlyph(painter, glyphPath(glyph->codepoint, em, centre), stroke, m_color);
        break;
    case Decoration::Ring: {
        const qreal ring = em * 0.075 + stroke;
        painter->setPen(QPen(m_color, ring));
        painter->setBrush(Qt::NoBrush);
        const qreal radius = em * 0.42 - ring / 2;
        painter->drawEllipse(centre, radius, radius);
        drawGlyph(painter, glyphPath(glyph->codepoint, em * decoratedScale, centre), stroke * decoratedScale, m_color);
        break;
    }
    case Decoration::Disc: {
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_color);
        painter->drawEllipse(centre, em * 0.42, em * 0.42);
        painter->setCompositionMode(QPainter::CompositionMode_DestinationOut);
        drawGlyph(painter, glyphPath(glyph->codepoint, em * decoratedScale, centre), stroke * decoratedScale, Qt::black);
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    }
    case Decoration::Filled: {
        // Each contour filled on its own: the glyph's hollows (a screen, a window) fill in.
        const QPainterPath path = glyphPath(glyph->codepoint, em, centre);
        painter->setPen(Qt::NoPen);
        painter->setBrush(m_color);
        for (const QPolygonF &contour : path.toSubpathPolygons())
            painter->drawPolygon(contour, Qt::WindingFill);
        if (stroke > 0)
            painter->strokePath(path, QPen(m_color, stroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        break;
    }
    case Decoration::Outline: {
        // The glyph's contours only, drawn as lines: the outline of a filled glyph.
        const qreal line = em * 0.055 + stroke;
        painter->strokePath(glyphPath(glyph->codepoint, em * 0.92, centre), QPen(m_color, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        break;
    }
    case Decoration::Badge: {
        // The glyph with a dot at its top trailing corner, a gap cut around it.
        drawGlyph(painter, glyphPath(glyph->codepoint, em, centre), stroke, m_color);
        const QPointF dot = centre + QPointF(em * 0.3, -em * 0.3);
        const qreal radius = em * 0.16;
        painter->setPen(Qt::NoPen);
        painter->setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter->setBrush(Qt::black);
        painter->drawEllipse(dot, radius * 1.45, radius * 1.45);
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->setBrush(m_color);
        painter->drawEllipse(dot, radius, radius);
        break;
    }
    case Decoration::Slash: {
        drawGlyph(painter, glyphPath(glyph->codepoint, em, centre), stroke, m_color);
        const qreal line = em * 0.085 + stroke;
        const QPointF from = centre + QPointF(-em * 0.36, -em * 0.36);
        const QPointF to = centre + QPointF(em * 0.36, em * 0.36);
        // Cut a gap around the stroke first, as the platform's slashed symbols do.
        painter->setCompositionMode(QPainter::CompositionMode_DestinationOut);
        painter->setPen(QPen(Qt::black, line * 2.6, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(from, to);
        painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter->setPen(QPen(m_color, line, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(from, to);
        break;
    }
    }
}
