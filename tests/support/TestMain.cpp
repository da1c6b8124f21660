// Test runner for every suite: a QApplication (offscreen unless told otherwise)
// so that widgets, timers and queued signals work in any test.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A build configured for asserts that still defines NDEBUG would run the tests
// with every assert() of the code under test switched off.
#if defined(VRM_EXPECT_ASSERTS) && defined(NDEBUG)
#error "VRM_ASSERTS is on but NDEBUG is still defined: assert() would be off in the tests"
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Per-user settings (window place, recent files) go to a folder of this
    // run, never into the account's own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
