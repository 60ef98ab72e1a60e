#pragma once

#include "texturepainteditem.h"

#include <QColor>
#include <QFont>
#include <QtQml/qqmlregistration.h>

// One symbol image by name (see SymbolCatalog), drawn at a point size, weight and colour.
// An unknown name draws nothing and reports a QML warning.
class SymbolImage : public TexturePaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    // Point size, as of the font the symbol is drawn "in" (17 by default); the item is a square box
    // of 1.5 × that.
    Q_PROPERTY(qreal size READ size WRITE setSize NOTIFY sizeChanged)
    // Font.Normal … Font.Black; heavier weights thicken the strokes.
    Q_PROPERTY(int weight READ weight WRITE setWeight NOTIFY weightChanged)
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(bool known READ isKnown NOTIFY nameChanged)

public:
    explicit SymbolImage(QQuickItem *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    qreal size() const { return m_size; }
    void setSize(qreal size);
    int weight() const { return m_weight; }
    void setWeight(int weight);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);
    bool isKnown() const;

    void paint(QPainter *painter) override;

    // Reads every symbol's outline on a worker thread, so that the first screens with symbols do
    // not wait for the icon font. Call once at start.
    static void preloadOutlines();

    // Side of the square box a symbol of point size `size` is laid out in.
    static qreal boxSide(qreal size);

Q_SIGNALS:
    void nameChanged();
    void sizeChanged();
    void weightChanged();
    void colorChanged();

protected:
    void componentComplete() override;

private:
    void updateImplicitSize();
    void reportUnknownName();

    QString m_name;
    qreal m_size = 17;
    int m_weight = QFont::Normal;
    QColor m_color = Qt::black;
};
