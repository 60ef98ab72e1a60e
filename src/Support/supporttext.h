#pragma once

#include <QColor>
#include <QObject>
#include <QUrl>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

// The chat's text helpers for QML, as the singleton `SupportText`: message blocks and their rich
// text, the telephone and web addresses of a message, the address allow-list and the two date
// formats. Stateless.
class SupportText : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    enum BlockKind { Paragraph, Quote, Bullet, Number, Code, Spacer };
    Q_ENUM(BlockKind)

    using QObject::QObject;

    // [{ kind, text, marker, richText }] in order; richText for every kind but code and spacer.
    Q_INVOKABLE static QVariantList blocks(const QString &text, const QColor &codeBackground, const QColor &linkColor);
    Q_INVOKABLE static QUrl phoneUrl(const QString &text);
    Q_INVOKABLE static QUrl webUrl(const QString &text);
    Q_INVOKABLE static bool isOpenable(const QUrl &url);
    Q_INVOKABLE static QString time(double referenceSeconds);
    Q_INVOKABLE static QString details(double referenceSeconds);
    // Puts `text` on the clipboard.
    Q_INVOKABLE static void copy(const QString &text);
};
