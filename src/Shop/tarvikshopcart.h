#pragma once

#include "tarvikshopcartitem.h"

#include <QList>
#include <QObject>
#include <QVariantList>

class TarvikCartReminderService;
class UserDefaults;
class UserNotificationCenter;

// The shop's cart, the one owner of it for the whole run: its lines in the order products were
// first added, stored after every change, with the unpaid-cart reminders kept in step.
class TarvikShopCart : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariantList items READ itemList WRITE setItemList NOTIFY itemsChanged)
    Q_PROPERTY(qint64 itemCount READ itemCount NOTIFY itemsChanged)
    Q_PROPERTY(qint64 totalRubles READ totalRubles NOTIFY itemsChanged)
    Q_PROPERTY(QString formattedTotal READ formattedTotal NOTIFY itemsChanged)

public:
    // Loads the stored cart (an unreadable one gives an empty cart) and brings the reminders in step.
    TarvikShopCart(UserDefaults *defaults, UserNotificationCenter *notifications, QObject *parent = nullptr);
    ~TarvikShopCart() override;

    const QList<TarvikShopCartItem> &items() const { return m_items; }
    // Replaces the lines without storing them; the caller calls persist().
    void setItems(const QList<TarvikShopCartItem> &items);

    // Pieces in the cart.
    qint64 itemCount() const;
    // Sum of unit price × quantity, in whole rubles.
    qint64 totalRubles() const;
    // The same for any lines (an order's): the largest 64-bit value once a line or the sum
    // leaves the range.
    static qint64 totalRubles(const QList<TarvikShopCartItem> &items);
    // The total as shown: "13 500 ₽".
    QString formattedTotal() const;

    // One more piece of `product`; a line already holding its number keeps its own product value.
    Q_INVOKABLE void add(const TarvikShopProduct &product);
    Q_INVOKABLE void increment(qint64 productId);
    // One piece fewer; the line goes when its last piece does.
    Q_INVOKABLE void decrement(qint64 productId);
    Q_INVOKABLE void remove(qint64 productId);
    // Stores the lines and brings the reminders in step.
    Q_INVOKABLE void persist();
    // After a confirmed order: takes the ordered quantity of each product off its line (lines at
    // zero or below go), leaving whatever was added meanwhile; then persists.
    void removeOrdered(const QList<TarvikShopCartItem> &ordered);
    Q_INVOKABLE void removeOrdered(const QVariantList &ordered);

    // Whole rubles of a price text: its number characters read as a decimal integer, or 0.
    static qint64 unitPrice(const QString &price);
    // Digits grouped in threes by plain spaces, then " ₽".
    static QString formatRubles(qint64 rubles);

Q_SIGNALS:
    void itemsChanged();

private:
    QVariantList itemList() const;
    void setItemList(const QVariantList &items);
    qsizetype indexOf(qint64 productId) const;

    UserDefaults *m_defaults;
    TarvikCartReminderService *m_reminders;
    QList<TarvikShopCartItem> m_items;
};
