#pragma once

#include <QtQml/QQmlExtensionPlugin>

// The app's QML modules, linked statically (TarvikAppPlugins): included once in each executable
// that loads the app's whole window or all of its screens.
Q_IMPORT_QML_PLUGIN(Tarvik_PlatformPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_AccountPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_ServicesPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_RequestsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_ShopPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_SupportPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_ProfilePlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_PaymentsPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_SpeedTestPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_ShellPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_AppPlugin)
