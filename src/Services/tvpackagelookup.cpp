#include "tvpackagelookup.h"

#include "tvchannel.h"
#include "tvpackagecatalog.h"
#include "tvpackageresolver.h"

TVPackageLookup::TVPackageLookup(QObject *parent)
    : QObject(parent)
{ }

QVariant TVPackageLookup::resolvedPackage(const QString &name, const QVariantList &accountPackages)
{
    QList<TVPackage> packages;
    packages.reserve(accountPackages.size());
    for (const QVariant &package : accountPackages)
        packages.append(TVPackageCatalog::accountPackage(package.value<AccountTVPackage>()));
    const std::optional<TVPackage> resolved = TVPackageResolver::resolve(name, packages);
    return resolved ? QVariant::fromValue(*resolved) : QVariant();
}

QVariantList TVPackageLookup::channels(const QString &packageID)
{
    QVariantList list;
    for (const TVChannel &channel : TVChannel::channels(packageID))
        list.append(QVariant::fromValue(channel));
    return list;
}
