#include "quicktestsetup.h"

TARVIK_QUICK_TEST_MAIN(tst_designqml, TarvikQuickTestSetup)
