#include "privatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace PrivateFiles
{
bool makeFolders(const QString &folderPath)
{
    QString existing = QDir::cleanPath(QFileInfo(folderPath).absoluteFilePath());
    QStringList missing;
    while (!QFileInfo(existing).isDir()) {
        const qsizetype slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return false;
        missing.prepend(existing.mid(slash + 1));
        existing.truncate(slash);
    }
    QDir dir(existing);
    for (const QString &name : std::as_const(missing)) {
        // Another process may make the same folder meanwhile; it is the same user's.
        if (!dir.mkdir(name, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner) && !dir.exists(name))
            return false;
        if (!dir.cd(name))
            return false;
    }
    return true;
}

bool prepare(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!makeFolders(info.absolutePath()))
        return false;
    QFile file(filePath);
    if (!file.exists() && !file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !file.exists())
        return false;
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}
} // namespace PrivateFiles
