#include "qttexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace QtTexts
{
bool install(const QLocale &locale, QObject *owner)
{
    // "qt" gathers only the base's texts (and multimedia's); the web engine's catalogue is apart.
    bool all = true;
    for (const char *catalogue : { "qt", "qtwebengine" }) {
        auto *translator = new QTranslator(owner);
        if (translator->load(
                locale, QString::fromLatin1(catalogue), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator);
        } else {
            all = false;
            delete translator;
        }
    }
    return all;
}
} // namespace QtTexts
