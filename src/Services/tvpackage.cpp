#include "tvpackage.h"

qint64 TVPackage::monthlyPrice() const
{
    QString digits;
    for (const char32_t character : price.toUcs4()) {
        if (QChar::isNumber(character))
            digits.append(QString::fromUcs4(&character, 1));
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    return ok ? value : 0;
}
