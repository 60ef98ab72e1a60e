#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The system clipboard, as the platform's pasteboard: Pasteboard.copy(text) from QML.
class Pasteboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    Q_INVOKABLE static void copy(const QString &text);
};
