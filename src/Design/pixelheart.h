#pragma once

#include "texturepainteditem.h"

#include <QColor>
#include <QList>
#include <QPainterPath>
#include <QPoint>
#include <QtQml/qqmlregistration.h>

// The brand's heart of 27 square cells on a 7 × 7 grid, anchored at the top-left of its box.
class PixelHeart : public TexturePaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)

public:
    explicit PixelHeart(QQuickItem *parent = nullptr);

    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    void paint(QPainter *painter) override;

    // The filled cells as (column, row), row 0 at the top, in drawing order.
    static const QList<QPoint> &cells();
    static QPainterPath path(const QRectF &rect);

Q_SIGNALS:
    void colorChanged();

private:
    QColor m_color = Qt::black;
};
