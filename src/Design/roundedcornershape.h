#pragma once

#include "texturepainteditem.h"

#include <QColor>
#include <QPainterPath>
#include <QtQml/qqmlregistration.h>

// A filled rectangle that rounds only the chosen corners.
class RoundedCornerShape : public TexturePaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(Corners corners READ corners WRITE setCorners NOTIFY cornersChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    enum Corner {
        TopLeft = 0x1,
        TopRight = 0x2,
        BottomLeft = 0x4,
        BottomRight = 0x8,
        AllCorners = 0xf,
    };
    Q_DECLARE_FLAGS(Corners, Corner)
    Q_FLAG(Corners)

    explicit RoundedCornerShape(QQuickItem *parent = nullptr);

    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    Corners corners() const { return m_corners; }
    void setCorners(Corners corners);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    void paint(QPainter *painter) override;

    // The outline; the radius is limited to half the shorter side.
    static QPainterPath path(const QRectF &rect, qreal radius, Corners corners);

Q_SIGNALS:
    void radiusChanged();
    void cornersChanged();
    void colorChanged();

private:
    qreal m_radius = 0;
    Corners m_corners = AllCorners;
    QColor m_color = Qt::white;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(RoundedCornerShape::Corners)
