#include <gtest/gtest.h>

#include <QApplication>

#include "core/language.h"
#include "output/linked_outputs.h"
#include "support/test_env.h"
#include "support/ui_seams.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows reach the charts and printing through the linked-in outputs; the
    // program itself, which the export tests run, loads them as its library.
    lt::useLinkedOutputs();
    lt::test::applyDefaults();
    // Texts are checked in English, whatever the language of the one who runs the tests.
    lt::installTranslations(QStringLiteral("en"));
    lt::test::installFailingSeams();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
