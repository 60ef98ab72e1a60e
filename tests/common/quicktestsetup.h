#pragma once

#include <QObject>
#include <QtQuickTest/quicktest.h>

class QQmlEngine;

// Engine set-up of the Qt Quick Test runners: adds the import path of our QML modules and makes
// every QML warning of the engine (unknown symbols and assets included) fail the running test.
// Derive and override prepareEngine() to register the singletons a test needs, then:
//   TARVIK_QUICK_TEST_MAIN(tst_name, MySetup)   (QUICK_TEST_SOURCE_DIR names the tst_*.qml folder)
class TarvikQuickTestSetup : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

public Q_SLOTS:
    void qmlEngineAvailable(QQmlEngine *engine);

protected:
    virtual void prepareEngine(QQmlEngine *engine);
};

#define TARVIK_QUICK_TEST_MAIN(name, SetupClass) QUICK_TEST_MAIN_WITH_SETUP(name, SetupClass)
