// The dialogs' tests run inside the program's own application object, so an
// exception thrown by an event handler takes the real way to the error report.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "dialogs/ErrorShowUnit.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qbx::TQbxApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
