#pragma once

#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

// The package resolution for QML, as the singleton `TVPackageLookup`.
class TVPackageLookup : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit TVPackageLookup(QObject *parent = nullptr);

    // The package a page title means (a tvPackage), or null when none; `accountPackages` are the
    // account store's packages.
    Q_INVOKABLE static QVariant resolvedPackage(const QString &name, const QVariantList &accountPackages);
    // The package's channels (a list of tvChannel).
    Q_INVOKABLE static QVariantList channels(const QString &packageID);
};
