#pragma once

#include "texturepainteditem.h"

#include <QColor>
#include <QFutureWatcher>
#include <QImage>
#include <QtQml/qqmlregistration.h>

// The subscriber's stored avatar (standard Base64 of a picture), drawn to fill a circle, cropped
// and centred; the home header and the profile share it. The picture is decoded off the GUI thread
// at decodedSide; text that is no strict Base64, or data whose header is no picture within
// BoundedPicture's bounds, is refused at once. Without a picture it draws nothing, or a
// head-and-shoulders silhouette in `silhouetteColor` when that is set.
class AvatarImage : public TexturePaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString base64 READ base64 WRITE setBase64 NOTIFY base64Changed)
    // A picture was decoded: draw it instead of the letter.
    Q_PROPERTY(bool hasImage READ hasImage NOTIFY hasImageChanged)
    Q_PROPERTY(QColor silhouetteColor READ silhouetteColor WRITE setSilhouetteColor NOTIFY silhouetteColorChanged)

public:
    explicit AvatarImage(QQuickItem *parent = nullptr);
    ~AvatarImage() override;

    // The largest avatar is 62 points across: this serves it up to four pixels a point.
    static constexpr int decodedSide = 256;

    QString base64() const { return m_base64; }
    void setBase64(const QString &base64);
    bool hasImage() const { return !m_image.isNull(); }
    QColor silhouetteColor() const { return m_silhouetteColor; }
    void setSilhouetteColor(const QColor &color);

    void paint(QPainter *painter) override;

Q_SIGNALS:
    void base64Changed();
    void hasImageChanged();
    void silhouetteColorChanged();

private:
    // The bytes in `base64`: standard alphabet, padded to whole groups of four, no white space or
    // line breaks; anything else gives none.
    static QByteArray pictureBytes(const QString &base64);
    void setImage(const QImage &image);

    QString m_base64;
    QImage m_image;
    QFutureWatcher<QImage> m_decode;
    QColor m_silhouetteColor;
};
