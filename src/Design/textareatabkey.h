#pragma once

#include <QObject>

// Tab and Shift+Tab in a text area (TextEdit, TextArea) move the focus on and back, as from any
// other field: Qt Quick's text areas type a tab character, which keeps the keyboard in them for
// good, and no text area of the app takes one. An event filter of the application;
// AccessibleKit::install() puts it in place.
class TextAreaTabKey : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override;
};
