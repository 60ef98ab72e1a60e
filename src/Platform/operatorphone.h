#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The operator's support line, the one number every screen and partner page shows and dials.
// Reached from QML as the singleton `OperatorPhone`.
class OperatorPhone : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString text READ text CONSTANT)
    Q_PROPERTY(QString link READ link CONSTANT)
    Q_PROPERTY(QString spoken READ spoken CONSTANT)

public:
    explicit OperatorPhone(QObject *parent = nullptr);

    // As shown: "+7 (495) 318-42-77".
    static QString text();
    // The address that dials it: "tel:+74953184277".
    static QString link();
    // As a screen reader says it: "плюс семь, 495, 318-42-77".
    static QString spoken();
};
