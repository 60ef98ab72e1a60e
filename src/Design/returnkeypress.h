#pragma once

#include <QObject>

// Return and Enter press the focused button (a tab, a segment, a row, any AbstractButton) as
// Space does: Qt Quick 6.4's buttons take Space only, and desktop users of a screen reader press
// Return. An event filter of the application; AccessibleKit::install() puts it in place.
class ReturnKeyPress : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;
};
