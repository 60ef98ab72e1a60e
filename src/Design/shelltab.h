#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The shell's four tabs, in the tab bar's order: the names a screen uses to show a tab (the support
// screen goes home with ShellTab.Home), so that no screen counts tabs. Reached from QML as `ShellTab`.
namespace ShellTab
{
Q_NAMESPACE
QML_ELEMENT

enum Tab { Home, Payments, Services, Support };
Q_ENUM_NS(Tab)
} // namespace ShellTab
