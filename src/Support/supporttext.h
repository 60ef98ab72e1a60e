#pragma once

#include <QColor>
#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The chat's text helpers for QML, as the singleton `SupportText`: a message's rich text, the
// telephone and web addresses of a message, the address allow-list and the two date formats.
// Stateless.
class SupportText : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The message as the formatter's rich text (see SupportMessageFormat::richText).
    Q_INVOKABLE static QString richText(const QString &text, const QColor &foreground, const QColor &accent, const QColor &codeBackground,
                                        int codePixelSize);
    Q_INVOKABLE static bool hasCodeBlock(const QString &text);
    Q_INVOKABLE static QUrl phoneUrl(const QString &text);
    Q_INVOKABLE static QUrl webUrl(const QString &text);
    Q_INVOKABLE static bool isOpenable(const QUrl &url);
    Q_INVOKABLE static QString time(double referenceSeconds);
    Q_INVOKABLE static QString details(double referenceSeconds);
};
