#include "quicktestsetup.h"

#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(Tarvik_DesignPlugin)
Q_IMPORT_QML_PLUGIN(Tarvik_PlatformPlugin)

TARVIK_QUICK_TEST_MAIN(tst_designqml, TarvikQuickTestSetup)
