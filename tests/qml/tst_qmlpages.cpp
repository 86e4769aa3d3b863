#include "app/webenginesetup.h"
#include "qmltestsetup.h"

#include <QtQuickTest>

// QUICK_TEST_MAIN_WITH_SETUP, with one addition: a run during which the QML
// engine warned fails even when every comparison passed.
int main(int argc, char **argv)
{
    QTEST_SET_MAIN_SOURCE_PATH
    // The editor page's web engine must be set up before the application object.
    WebEngineSetup::initialize();
    QmlTestSetup setup;
    const int result = quick_test_main_with_setup(argc, argv, "qmlpages", QUICK_TEST_SOURCE_DIR, &setup);
    if (result == 0 && setup.sawWarnings()) {
        qCritical("The QML engine warned during the run");
        return 1;
    }
    return result;
}
