#pragma once

#include "partnertvconfig.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

// The partner TV web pages as the app shows them: their addresses and the scripts that re-brand
// them, with this run's hosts passed in as JSON constants. Reached from QML as `PartnerTVPages`.
class PartnerTVPages : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QUrl catalogPageUrl READ catalogPageUrl CONSTANT)
    Q_PROPERTY(QString catalogScript READ catalogScript CONSTANT)
    Q_PROPERTY(QString packageScript READ packageScript CONSTANT)

public:
    // The operator's texts that replace the sister brand's.
    static const QString productName;
    static const QString productCompany;

    explicit PartnerTVPages(QObject *parent = nullptr);

    static QUrl catalogPageUrl();
    Q_INVOKABLE static QUrl packagePageUrl(const QString &packageID);
    static QString catalogScript();
    static QString packageScript();

    // A script of the pages for `config`: the function expression in `resource` applied to the
    // constants as a JSON object.
    static QString catalogScript(const PartnerTVConfig &config);
    static QString packageScript(const PartnerTVConfig &config);
};
