#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// What the about screen shows of the build: the version and build number (from the build
// settings TARVIK_VERSION and TARVIK_BUILD_NUMBER) and the product site (TARVIK_PRODUCT_SITE).
// Reached from QML as the singleton `AboutInfo`.
class AboutInfo : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString versionLine READ versionLine CONSTANT)
    Q_PROPERTY(QUrl siteUrl READ siteUrl CONSTANT)
    Q_PROPERTY(QUrl policyUrl READ policyUrl CONSTANT)
    Q_PROPERTY(QString siteDomain READ siteDomain CONSTANT)

public:
    explicit AboutInfo(QObject *parent = nullptr);

    // "Версия 2.3 (45)"; an empty version reads "1.0", an empty build "1".
    static QString versionLine(const QString &version, const QString &build);
    static QString versionLine();
    // The product site's root page, over HTTPS whatever the setting says.
    static QUrl siteUrl(const QString &setting);
    static QUrl siteUrl();
    static QUrl policyUrl();
    static QString siteDomain();
};
