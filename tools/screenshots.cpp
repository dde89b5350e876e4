// Usage: lifetally_screenshots <sample settings file> <output folder> [dark]
// The language and the formats are the environment's (LANGUAGE, LC_ALL).
// Run under a real X server (scripts/screenshots.sh uses Xvfb). With "dark" the pictures
// are taken under the Fusion style with a dark palette, as a dark desktop theme sets.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include "app/main_window.h"
#include "core/clock.h"
#include "core/language.h"
#include "core/locale_format.h"
#include "output/graph_window.h"
#include "output/linked_outputs.h"
#include "ui/activity_grid.h"
#include "ui/message_boxes.h"

namespace {
QString outDir;

void save(QWidget* w, const QString& name) {
    w->show();
    w->raise();
    QTest::qWait(400);
    w->grab().save(QDir(outDir).filePath(name + QStringLiteral(".png")));
}

// Clicks the window's control of that name, as a user would.
void click(QWidget& w, const char* name) {
    w.findChild<QAbstractButton*>(QLatin1String(name))->click();
}

void useDarkTheme() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    QPalette p(QColor(53, 53, 53));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                      QPalette::ToolTipText, QPalette::BrightText})
        p.setColor(role, QColor(240, 240, 240));
    p.setColor(QPalette::Base, QColor(35, 35, 35));
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, QColor(20, 20, 20));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(127, 127, 127));
    QApplication::setPalette(p);
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lt::useLinkedOutputs();
    if (argc < 3) return 2;
    outDir = QString::fromLocal8Bit(argv[2]);
    if (argc > 3 && QByteArray(argv[3]) == "dark") useDarkTheme();
    QDir().mkpath(outDir);
    // Words and formats as the program takes them; scripts/screenshots.sh pins both.
    lt::installSystemTranslations();
    lt::loc::initProgramLocale();
    const QDateTime fixed(QDate(2026, 12, 6), QTime(10, 0));
    lt::setClock([fixed] { return fixed; });

    QTemporaryDir data;
    QFile::copy(QString::fromLocal8Bit(argv[1]), data.filePath(QStringLiteral("lifetally.ini")));

    QString next;  // name of the next dialog picture
    lt::messageSeams().execDialog = [&next](QDialog& d) {
        if (d.windowState() & Qt::WindowMaximized) {
            d.setWindowState(Qt::WindowNoState);
            d.resize(1000, 640);
        }
        save(&d, next);
        // A chart as bars too.
        if (auto* graph = qobject_cast<lt::TfrmGraph*>(&d)) {
            graph->rbBar->click();
            save(&d, next + QStringLiteral("-bars"));
        }
        return int(QDialog::Rejected);
    };

    lt::TfrmMain w(data.filePath(QStringLiteral("lifetally.ini")));
    w.show();
    QTest::qWait(300);
    const char* const pages[] = {"page0-intro",   "page1-bio",   "page2-hours",
                                 "page3-dollars", "page4-items", "page5-results"};
    for (int i = 0; i < 6; ++i) {
        if (i > 0) click(w, "btNext");
        save(&w, QString::fromLatin1(pages[i]));
        if (i == 1) {
            next = QStringLiteral("date-picker");
            click(w, "SpeedButton1");
        }
        if (i == 2) {
            next = QStringLiteral("activity-time-dialog");
            w.findChild<lt::ActivityGrid*>(QStringLiteral("gridHours"))->selectRow(2);
            click(w, "btEdit1");
        }
        if (i == 3) {
            next = QStringLiteral("activity-money-dialog");
            click(w, "btAdd2");
        }
    }
    next = QStringLiteral("chart-hours");
    click(w, "btGrHour");
    next = QStringLiteral("chart-money");
    click(w, "btGrMoney");
    next = QStringLiteral("look-ahead");
    click(w, "btLookAhead");
    next = QStringLiteral("timeline");
    click(w, "btTimeline");
    next = QStringLiteral("about");
    click(w, "btAbout");
    return 0;
}
