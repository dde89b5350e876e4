#include <gtest/gtest.h>

#include <QApplication>

#include "support/test_env.h"
#include "support/ui_seams.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    lt::test::applyDefaults();
    lt::test::installFailingSeams();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
