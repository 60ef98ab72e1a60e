#include "mappedlibrary.h"

#include <QFile>

bool isLibraryMapped(QByteArrayView name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains('/' + name.toByteArray());
}
