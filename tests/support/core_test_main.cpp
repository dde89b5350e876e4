#include <gtest/gtest.h>

#include <QCoreApplication>

#include "support/test_env.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    lt::test::applyDefaults();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
