#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

// The home dashboard's derived texts and rules, computed from the account and the stored
// preferences on every redraw. Stateless; reached from QML as the singleton `HomeDashboard`.
class HomeDashboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(int carouselPageCount READ carouselPageCount CONSTANT)
    Q_PROPERTY(int carouselStartIndex READ carouselStartIndex CONSTANT)

public:
    using QObject::QObject;

    // Both carousels page over this many virtual pages, starting in the middle.
    static constexpr int pageCount = 1000;
    static constexpr int startIndex = 500;
    // From this index on, the next tick first jumps back to the start (same kind of page).
    static constexpr int wrapIndex = 998;
    static constexpr double minimumProgress = 0.04;

    int carouselPageCount() const { return pageCount; }
    int carouselStartIndex() const { return startIndex; }
    // The partner TV service's name, as the tariff card's chip shows it.
    static QString partnerTvTitle();

    // "Привет, <first name> 👋".
    Q_INVOKABLE static QString greeting(const QString &firstName);
    // The first character of the first name, upper-cased; empty for an empty name.
    Q_INVOKABLE static QString avatarLetter(const QString &firstName);

    // The bell, from the number of unread notes the inbox keeps (NotificationInbox.unreadCount).
    Q_INVOKABLE static QString bellSymbol(int unreadCount);
    Q_INVOKABLE static QString bellText(int unreadCount);
    Q_INVOKABLE static QString bellAccessibleName(int unreadCount);

    // The balance card: "1234,56 ₽" (or "—"), "Дней до блокировки 18", and the bar's share.
    Q_INVOKABLE static QString balanceText(const QString &balance);
    Q_INVOKABLE static QString daysToBlockText(const QString &daysToBlock);
    Q_INVOKABLE static QString daysFootnote(const QString &daysToBlock);
    Q_INVOKABLE static double progressValue(const QString &daysToBlock, bool financiallyBlocked);
    // The share a progress bar fills: 0.04 to 1 whatever it is given.
    Q_INVOKABLE static double clampedProgress(double value);

    // The tariff card's chips: {icon, title, tint} with tint the name of a Theme colour.
    Q_INVOKABLE static QVariantList tariffChips(const QString &tariffSpeed, bool televisionConnected);

    // The generic service card: {status, price, buttonTitle, buttonIcon} for the service with this
    // id (ServiceRouter) and the account's partner TV state.
    Q_INVOKABLE static QVariantMap serviceDetail(const QString &serviceId, bool televisionConnected);

    // The index a carousel tick starts from: near the end of the strip it first jumps back to the
    // middle, to a page of the same kind, so that the strip never runs out.
    Q_INVOKABLE static int carouselTickStart(int index);
};
