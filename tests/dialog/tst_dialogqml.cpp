// QML tests of the settings popup and its pages, run against stand-in MainLogic, SoundCard and Tran
// objects that each test file declares itself and publishes through ContextHost.
#include "scenetestsetup.h"

#include <QtQuickTest>

QUICK_TEST_MAIN_WITH_SETUP(dialog, SceneTestSetup)
