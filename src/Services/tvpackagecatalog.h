#pragma once

#include "accounttvpackage.h"
#include "tvpackage.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The partner TV price list compiled into the app: the base packages, the add-ons and the names the
// personal-account site uses. Each list is built once, on first use, and never changes afterwards.
// Also how the account's own packages are shown. Reached from QML as the singleton `TVPackageCatalog`.
class TVPackageCatalog : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QVariantList mainCatalog READ mainCatalogVariant CONSTANT)
    Q_PROPERTY(QVariantList additionalCatalog READ additionalCatalogVariant CONSTANT)
    Q_PROPERTY(QVariantList lkCandidates READ lkCandidatesVariant CONSTANT)

public:
    explicit TVPackageCatalog(QObject *parent = nullptr);

    // The six base packages, cheapest first after the free one.
    static const QList<TVPackage> &mainCatalog();
    // The ten add-on packages.
    static const QList<TVPackage> &additionalCatalog();
    // The base packages, the add-ons, then four rows named as the personal-account site names them.
    static const QList<TVPackage> &lkCandidates();
    // Normalised site package name -> id of the base package it stands for.
    static const QHash<QString, QString> &lkChannelPackageIDs();

    // The row of `lkCandidates` with this id; a default package (empty id) when there is none.
    Q_INVOKABLE static TVPackage packageWithId(const QString &id);

    // A package of the subscriber's account as the TV screens show it.
    static TVPackage accountPackage(const AccountTVPackage &package);

private:
    static QVariantList mainCatalogVariant();
    static QVariantList additionalCatalogVariant();
    static QVariantList lkCandidatesVariant();
};
