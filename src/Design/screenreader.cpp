#include "screenreader.h"

#include "focuskeeper.h"
#include "focusrules.h"
#include "screenreaderstatus.h"

#include <QQuickItem>
#include <QQuickWindow>

ScreenReader::ScreenReader(QObject *parent)
    : QObject(parent)
{
    connect(ScreenReaderStatus::current(), &ScreenReaderStatus::activeChanged, this, &ScreenReader::activeChanged);
}

bool ScreenReader::isActive() const
{
    return ScreenReaderStatus::current()->isActive();
}

void ScreenReader::announce(QQuickItem *item, int reason)
{
    FocusKeeper::moveFocus(item, reason);
}

QQuickItem *ScreenReader::screenHeading(QQuickItem *item)
{
    return FocusRules::screenHeading(item);
}

QQuickItem *ScreenReader::dialogAround(QQuickItem *item)
{
    for (QQuickItem *above = item; above; above = above->parentItem()) {
        const QObject *popup = above->parent();
        if (above->inherits("QQuickPopupItem") && popup && popup->property("modal").toBool())
            return above;
    }
    return nullptr;
}

void ScreenReader::enterScreen(QQuickItem *screen, QQuickItem *preferred, int reason, const QRectF &place)
{
    FocusKeeper::enterScreen(screen, preferred, reason, place);
}

void ScreenReader::giveBack(QQuickItem *opener, QQuickItem *screen, const QRectF &place, int reason)
{
    FocusKeeper::giveBack(opener, screen, place, reason);
}

QRectF ScreenReader::placeOf(QQuickItem *item)
{
    return item ? FocusRules::place(item) : QRectF();
}

QVariantMap ScreenReader::returnPoint(QQuickItem *item, QQuickItem *opener)
{
    const FocusKeeper::Place place = FocusKeeper::returnPoint(item, opener);
    return {{QStringLiteral("item"), QVariant::fromValue(place.item.data())},
            {QStringLiteral("screen"), QVariant::fromValue(place.screen.data())},
            {QStringLiteral("place"), place.rect}};
}
