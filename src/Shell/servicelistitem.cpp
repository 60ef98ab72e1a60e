#include "servicelistitem.h"

#include <QLocale>

namespace
{
// One form for comparing: composed characters, and lower case by the Russian locale's rules.
QString folded(const QString &text)
{
    static const QLocale russian(QLocale::Russian, QLocale::Russia);
    return russian.toLower(text.normalized(QString::NormalizationForm_C));
}
} // namespace

bool ServiceListItem::matches(const QString &query) const
{
    const QString needle = folded(query);
    const auto holds = [&needle](const QString &text) { return folded(text).contains(needle); };
    return holds(title) || (detail && holds(*detail)) || (subtitle && holds(*subtitle));
}
