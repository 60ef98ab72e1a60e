#pragma once

#include "tvpackage.h"

#include <QList>
#include <QString>
#include <optional>

// Finds the package a partner page means by its title: an alias of the personal-account site's
// names, then an equal title, then a title that contains the name or is contained in it. The
// account's own packages come before the catalogs.
namespace TVPackageResolver
{
// Lower case without diacritics ("ё" is "е"), letters and digits only: "Всё включено" is
// "всевключено". "й" stays "й".
QString normalized(const QString &name);
std::optional<TVPackage> resolve(const QString &name, const QList<TVPackage> &accountPackages);
} // namespace TVPackageResolver
