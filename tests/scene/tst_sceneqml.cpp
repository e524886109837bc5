// QML tests of the scene, its scaler and its component library, run against stand-in context objects
// that each test file declares itself and publishes through ContextHost.
#include "scenetestsetup.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(scene, SceneTestSetup)
