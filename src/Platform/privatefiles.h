#pragma once

#include <QString>

// The app's own files hold personal data (the cached account, pending notifications): they and
// the folders made for them are the owner's alone, whatever the umask says.
namespace PrivateFiles
{
// Makes the missing folders of `filePath` owner-only (0700) and the file, made empty if missing,
// owner-only (0600). Folders that exist are left as they are. False when a step failed.
bool prepare(const QString &filePath);
// Makes the missing folders of `folderPath` owner-only (0700).
bool makeFolders(const QString &folderPath);
} // namespace PrivateFiles
