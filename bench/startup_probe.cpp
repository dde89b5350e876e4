// Quits as soon as its window has been painted once. Built twice: with the program's
// main window, and with an empty window as the yardstick. With LT_PROBE_STAY set it stays
// open instead, for scripts/bench.sh to watch the window appear from outside.
#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <cstdio>

#ifndef LT_EMPTY_WINDOW
#include "app/main_window.h"
#include "core/locale_format.h"
#endif

namespace {
class QuitOnPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};
}  // namespace

// Peak memory in kB, printed on stderr when asked for with LT_PROBE_RSS.
void reportPeakMemory() {
    if (!qEnvironmentVariableIsSet("LT_PROBE_RSS")) return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    fprintf(stderr, "maxrss_kb %ld\n", usage.ru_maxrss);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QuitOnPaint quit;
#ifdef LT_EMPTY_WINDOW
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lifetally"));
    window.setFixedSize(623, 419);
#else
    lt::loc::initProgramLocale();
    // The settings folder is given on the command line (the probe's, not the program's).
    lt::TfrmMain window(
        argc > 1 ? QString::fromLocal8Bit(argv[1]) + QStringLiteral("/lifetally.ini") : QString());
#endif
    if (!qEnvironmentVariableIsSet("LT_PROBE_STAY")) window.installEventFilter(&quit);
    window.show();
    const int rc = QApplication::exec();
    reportPeakMemory();
    return rc;
}
