#include "tarvikshopcart.h"

#include "tarvikcartreminderservice.h"
#include "userdefaults.h"

#include <QtNumeric>

#include <limits>

namespace
{
// Piece counts stop at the largest 64-bit value rather than wrap around.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (qAddOverflow(a, b, &sum))
        return b < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return sum;
}
} // namespace

TarvikShopCart::TarvikShopCart(UserDefaults *defaults, UserNotificationCenter *notifications, QObject *parent)
    : QObject(parent)
    , m_defaults(defaults)
    , m_reminders(new TarvikCartReminderService(defaults, notifications, this))
{
    if (m_defaults->contains(QLatin1String(Defaults::shopCart.name))) {
        // An unreadable value is left in place until the next successful persist() replaces it.
        if (const auto stored = TarvikShopCartItem::listFromJson(m_defaults->value(Defaults::shopCart))) {
            for (const TarvikShopCartItem &item : *stored) {
                if (item.quantity > 0)
                    m_items.append(item);
            }
        }
    }
    m_reminders->sync(!m_items.isEmpty());
}

TarvikShopCart::~TarvikShopCart() = default;

void TarvikShopCart::setItems(const QList<TarvikShopCartItem> &items)
{
    m_items = items;
    Q_EMIT itemsChanged();
}

qint64 TarvikShopCart::itemCount() const
{
    qint64 count = 0;
    for (const TarvikShopCartItem &item : m_items)
        count = saturatingAdd(count, item.quantity);
    return count;
}

qint64 TarvikShopCart::totalRubles() const
{
    return totalRubles(m_items);
}

qint64 TarvikShopCart::totalRubles(const QList<TarvikShopCartItem> &items)
{
    qint64 total = 0;
    for (const TarvikShopCartItem &item : items) {
        qint64 line = 0;
        // Once past the range the total stays there: a later line must not bring back a number
        // that looks exact.
        if (qMulOverflow(unitPrice(item.product.price), item.quantity, &line) || qAddOverflow(total, line, &total))
            return std::numeric_limits<qint64>::max();
    }
    return total;
}

QString TarvikShopCart::formattedTotal() const
{
    return formatRubles(totalRubles());
}

void TarvikShopCart::add(const TarvikShopProduct &product)
{
    const qsizetype index = indexOf(product.id);
    if (index >= 0)
        m_items[index].quantity = saturatingAdd(m_items[index].quantity, 1);
    else
        m_items.append({.product = product, .quantity = 1});
    Q_EMIT itemsChanged();
    persist();
}

void TarvikShopCart::increment(qint64 productId)
{
    const qsizetype index = indexOf(productId);
    if (index < 0)
        return;
    m_items[index].quantity = saturatingAdd(m_items[index].quantity, 1);
    Q_EMIT itemsChanged();
    persist();
}

void TarvikShopCart::decrement(qint64 productId)
{
    const qsizetype index = indexOf(productId);
    if (index < 0)
        return;
    if (m_items[index].quantity == 1)
        m_items.removeAt(index);
    else
        --m_items[index].quantity;
    Q_EMIT itemsChanged();
    persist();
}

void TarvikShopCart::remove(qint64 productId)
{
    if (m_items.removeIf([&](const TarvikShopCartItem &item) { return item.id() == productId; }) > 0)
        Q_EMIT itemsChanged();
    persist();
}

void TarvikShopCart::persist()
{
    m_defaults->setValue(Defaults::shopCart, TarvikShopCartItem::listToJson(m_items));
    m_reminders->sync(!m_items.isEmpty());
}

void TarvikShopCart::removeOrdered(const QList<TarvikShopCartItem> &ordered)
{
    for (const TarvikShopCartItem &line : ordered) {
        const qsizetype index = indexOf(line.id());
        if (index < 0)
            continue;
        qint64 left = 0;
        if (qSubOverflow(m_items[index].quantity, line.quantity, &left) || left <= 0)
            m_items.removeAt(index);
        else
            m_items[index].quantity = left;
    }
    Q_EMIT itemsChanged();
    persist();
}

void TarvikShopCart::removeOrdered(const QVariantList &ordered)
{
    QList<TarvikShopCartItem> lines;
    for (const QVariant &item : ordered) {
        if (item.canConvert<TarvikShopCartItem>())
            lines.append(item.value<TarvikShopCartItem>());
    }
    removeOrdered(lines);
}

qint64 TarvikShopCart::unitPrice(const QString &price)
{
    QString digits;
    for (const QChar character : price) {
        if (character.isNumber())
            digits.append(character);
    }
    // Only ASCII digits read as a number; "½" or other scripts' digits make the price 0,
    // and so does a value beyond the 64-bit range.
    for (const QChar character : std::as_const(digits)) {
        if (character < QLatin1Char('0') || character > QLatin1Char('9'))
            return 0;
    }
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, 10);
    return ok ? value : 0;
}

QString TarvikShopCart::formatRubles(qint64 rubles)
{
    QString digits = QString::number(rubles);
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative)
        digits.remove(0, 1);
    // Qt's Russian locale groups with a no-break space; these texts use a plain one.
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    return (negative ? QStringLiteral("-") : QString()) + digits + QStringLiteral(" ₽");
}

QVariantList TarvikShopCart::itemList() const
{
    QVariantList list;
    for (const TarvikShopCartItem &item : m_items)
        list.append(QVariant::fromValue(item));
    return list;
}

void TarvikShopCart::setItemList(const QVariantList &items)
{
    QList<TarvikShopCartItem> lines;
    for (const QVariant &item : items) {
        if (item.canConvert<TarvikShopCartItem>())
            lines.append(item.value<TarvikShopCartItem>());
    }
    setItems(lines);
}

qsizetype TarvikShopCart::indexOf(qint64 productId) const
{
    for (qsizetype index = 0; index < m_items.size(); ++index) {
        if (m_items.at(index).id() == productId)
            return index;
    }
    return -1;
}
