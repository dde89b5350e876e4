#include <QApplication>
#include <QIcon>

#include "app/main_window.h"
#include "core/locale_format.h"
#include "ui/resources.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lifetally"));
    lt::loadResources();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/lifetally.png")));
    lt::loc::initProgramLocale();
    lt::TfrmMain window;
    window.show();
    return QApplication::exec();
}
