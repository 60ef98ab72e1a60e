#include "tvpackageresolver.h"

#include "tvpackagecatalog.h"

namespace TVPackageResolver
{
QString normalized(const QString &name)
{
    static const char32_t shortI = U'й';
    QString result;
    for (const char32_t folded : name.toCaseFolded().toUcs4()) {
        // "й" is a letter of its own in Russian, not "и" with a mark: dropping the mark would turn
        // "лайт" into "лаит".
        if (folded == shortI) {
            result.append(QChar(char16_t(shortI)));
            continue;
        }
        const QString decomposed = QString::fromUcs4(&folded, 1).normalized(QString::NormalizationForm_D);
        for (const char32_t part : decomposed.toUcs4()) {
            if (QChar::isMark(part))
                continue; // diacritics, "ё" to "е" among them
            if (QChar::isLetterOrNumber(part))
                result.append(QString::fromUcs4(&part, 1));
        }
    }
    return result;
}

std::optional<TVPackage> resolve(const QString &name, const QList<TVPackage> &accountPackages)
{
    const QString key = normalized(name);
    const auto &aliases = TVPackageCatalog::lkChannelPackageIDs();
    if (const auto alias = aliases.constFind(key); alias != aliases.constEnd()) {
        const auto &main = TVPackageCatalog::mainCatalog();
        const auto base = std::find_if(main.cbegin(), main.cend(), [&](const TVPackage &p) { return p.id == *alias; });
        if (base != main.cend()) {
            for (const TVPackage &own : accountPackages) {
                if (normalized(own.title) != key)
                    continue;
                TVPackage merged = *base;
                merged.title = own.title;
                merged.color = own.color;
                if (!own.price.isEmpty())
                    merged.price = own.price;
                return merged;
            }
            TVPackage renamed = *base;
            renamed.title = name;
            return renamed;
        }
    }

    QList<TVPackage> candidates = accountPackages;
    candidates += TVPackageCatalog::lkCandidates();
    for (const TVPackage &candidate : candidates) {
        if (normalized(candidate.title) == key)
            return candidate;
    }
    if (key.isEmpty())
        return std::nullopt; // an empty text is never found in another
    for (const TVPackage &candidate : candidates) {
        const QString title = normalized(candidate.title);
        if (!title.isEmpty() && (title.contains(key) || key.contains(title)))
            return candidate;
    }
    return std::nullopt;
}
} // namespace TVPackageResolver
