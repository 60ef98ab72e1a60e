#pragma once

#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// Hands QML the shell's promotional stories (StoryContent values) as the singleton `StoryCatalog`.
class StoryCatalog : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // A new list on every call: each story gets a new identity.
    Q_INVOKABLE static QVariantList promotionalStories();
};
