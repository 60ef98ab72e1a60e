#pragma once

#include "texturepainteditem.h"

#include <QColor>
#include <QImage>
#include <QSvgRenderer>
#include <QtQml/qqmlregistration.h>

#include <memory>

// One of the app's pictures by asset name (see AssetCatalog), scaled to fit or to fill its
// box, optionally drawn as a template in one colour and clipped to rounded corners. An unknown
// name draws nothing and reports a QML warning.
class AssetImage : public TexturePaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(FillMode fillMode READ fillMode WRITE setFillMode NOTIFY fillModeChanged)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment NOTIFY alignmentChanged)
    Q_PROPERTY(QColor tint READ tint WRITE setTint NOTIFY tintChanged)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius NOTIFY radiusChanged)
    Q_PROPERTY(bool known READ isKnown NOTIFY nameChanged)

public:
    enum FillMode {
        Stretch,
        Fit,  // the whole picture inside the box, aspect kept
        Fill, // the box covered, aspect kept, the overflow cut off
    };
    Q_ENUM(FillMode)

    explicit AssetImage(QQuickItem *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name);
    FillMode fillMode() const { return m_fillMode; }
    void setFillMode(FillMode mode);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);
    QColor tint() const { return m_tint; }
    void setTint(const QColor &tint);
    qreal radius() const { return m_radius; }
    void setRadius(qreal radius);
    bool isKnown() const;

    void paint(QPainter *painter) override;

    // Where a picture of `source` size lands in `box` for the given mode and alignment.
    static QRectF placement(const QSizeF &source, const QRectF &box, FillMode mode, Qt::Alignment alignment);

Q_SIGNALS:
    void nameChanged();
    void fillModeChanged();
    void alignmentChanged();
    void tintChanged();
    void radiusChanged();

protected:
    void componentComplete() override;

private:
    void load();

    QString m_name;
    FillMode m_fillMode = Fit;
    Qt::Alignment m_alignment = Qt::AlignCenter;
    QColor m_tint;
    qreal m_radius = 0;
    // The parsed picture, kept for painting; null when there is none.
    std::unique_ptr<QSvgRenderer> m_renderer;
    QSizeF m_sourceSize;
};
