#pragma once

#include <QObject>
#include <QString>
#include <QUuid>
#include <QtQml/qqmlregistration.h>

// One promotional story: a picture, a headline and a line or two under it.
class StoryContent
{
    Q_GADGET
    QML_VALUE_TYPE(storyContent)
    Q_PROPERTY(QUuid id MEMBER id)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString image MEMBER image)
    Q_PROPERTY(QString subtitle MEMBER subtitle)

public:
    QUuid id;
    QString title;
    // Asset name of the picture.
    QString image;
    QString subtitle;

    // The app's four promotional stories, each with a fresh identity.
    static QList<StoryContent> promotional();

    friend bool operator==(const StoryContent &, const StoryContent &) = default;
};
