#pragma once

#include <QHash>
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
    // Deletes the cookies of a profile that lives for the whole run (the engine's default, kept in
    // memory) when a session ended since it was last used: `erasures` is how many sessions have
    // ended so far this run. (Emptying its HTTP cache as well holds up the page then loading.)
    Q_INVOKABLE void emptyAfterEndedSessions(QQuickWebEngineProfile *profile, int erasures);

private:
    QHash<const QQuickWebEngineProfile *, int> m_emptiedAt;
};
