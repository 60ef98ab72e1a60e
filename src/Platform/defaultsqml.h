#pragma once

#include "defaultskeys.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The stored keys the screens bind to, as QML's singleton `Defaults`, so that no key is written
// out in QML: StoredPreference { key: Defaults.verifiedEmail }
class DefaultsQml : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Defaults)
    QML_SINGLETON
    Q_PROPERTY(QString verifiedEmail READ verifiedEmail CONSTANT)
    Q_PROPERTY(QString twoFactorEnabled READ twoFactorEnabled CONSTANT)
    Q_PROPERTY(QString notificationsEnabled READ notificationsEnabled CONSTANT)
    Q_PROPERTY(QString profileAvatarJpeg READ profileAvatarJpeg CONSTANT)

public:
    using QObject::QObject;

    QString verifiedEmail() const { return QLatin1String(Defaults::verifiedEmail.name); }
    QString twoFactorEnabled() const { return QLatin1String(Defaults::twoFactorEnabled.name); }
    QString notificationsEnabled() const { return QLatin1String(Defaults::notificationsEnabled.name); }
    QString profileAvatarJpeg() const { return QLatin1String(Defaults::profileAvatarJpeg.name); }
};
