#pragma once

#include <QObject>
#include <QString>

// A partner TV package of the subscriber's account as the site lists it, in the site's texts:
// the channel count is empty and the cost "—" when the site gives none. The TV screens make what
// they show of it.
class AccountTVPackage
{
    Q_GADGET

public:
    QString id;
    QString title;
    QString channelCount;
    QString cost;

    friend bool operator==(const AccountTVPackage &, const AccountTVPackage &) = default;
};
