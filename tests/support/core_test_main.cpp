#include <gtest/gtest.h>

#include <QCoreApplication>

#include "core/language.h"
#include "support/test_env.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    lt::test::applyDefaults();
    // Texts are checked in English, whatever the language of the one who runs the tests.
    lt::installTranslations(QStringLiteral("en"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
