#pragma once

class QLocale;
class QObject;

// Qt's own texts in the app's language: the standard buttons of its dialogs, and the web pages'
// context menu ("Назад", "Обновить", "Копировать"), which Qt WebEngine draws with words of its own.
namespace QtTexts
{
// Installs Qt's catalogues for `locale` in the application, the translators owned by `owner`;
// whether every one was found.
bool install(const QLocale &locale, QObject *owner);
} // namespace QtTexts
