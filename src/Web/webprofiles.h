#pragma once

#include <QObject>
#include <QQuickWebEngineProfile>
#include <QtQml/qqmlregistration.h>

// What QML cannot do to a web profile itself.
class WebProfiles : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // Deletes the profile's cookies and empties its HTTP cache.
    Q_INVOKABLE void empty(QQuickWebEngineProfile *profile) const;
};
