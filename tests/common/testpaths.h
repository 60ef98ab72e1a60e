#pragma once

#include <QDir>
#include <QString>

// Where a test saves the pictures of what it shows: "screenshots" under the folder the test runs
// in (ctest runs each test in its own build folder), so that two build trees or two copies of one
// never write into each other's.
inline QString screenshotDir()
{
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("screenshots"));
    QDir().mkpath(path);
    return path;
}
