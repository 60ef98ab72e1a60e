#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// Holds a window's screens, under its popups. While a modal popup (a sheet, an alert) is open,
// assistive technology sees nothing of the screens, as the user sees them only dimmed behind it.
class PageScope : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit PageScope(QQuickItem *parent = nullptr);

    void componentComplete() override;
};
