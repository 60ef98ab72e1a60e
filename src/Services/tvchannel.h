#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>
#include <optional>

// A channel of the partner TV service: its name and the address of its logo on the partner's image
// host. The catalog of all channels and the channel lists of the packages are compiled in.
class TVChannel
{
    Q_GADGET
    QML_VALUE_TYPE(tvChannel)
    Q_PROPERTY(QString name MEMBER name CONSTANT)
    Q_PROPERTY(QString logo MEMBER logo CONSTANT)

public:
    QString name;
    // Absolute https address of the logo, as text.
    QString logo;

    QString id() const { return name; }

    // The channels of the package with this code, in the package's order (a channel the package
    // lists twice comes twice); empty for an unknown code or a package without channels. Codes are
    // matched exactly.
    static QList<TVChannel> channels(const QString &packageID);
    // The catalog's channel of this exact name, if there is one.
    static std::optional<TVChannel> channel(const QString &name);
    // Number of channels in the catalog.
    static qsizetype catalogSize();

    friend bool operator==(const TVChannel &, const TVChannel &) = default;
};
