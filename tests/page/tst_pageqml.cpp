// QML tests of the control page and its components, run against stand-in SoundCard and Config objects
// that each test file declares itself and publishes through ContextHost.
#include "scenetestsetup.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(page, SceneTestSetup)
