#pragma once

#include <QString>
#include <QStringList>

// The app's own pictures, reached by asset name ("TarvikOfficialLogo", "StoryTV", ...).
class AssetCatalog
{
public:
    static bool contains(const QString &name);
    static QStringList names();
    // Resource path of the picture, empty for an unknown name.
    static QString path(const QString &name);
};
