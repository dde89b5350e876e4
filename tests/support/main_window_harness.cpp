#include "support/main_window_harness.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include "ui/activity_grid.h"
#include "ui/masked_field.h"

namespace lt::test {

Wizard::Wizard(const QString& folder, Shown shown)
    : window(std::make_unique<TfrmMain>(QDir(folder).filePath(QStringLiteral("lifetally.ini")))) {
    TfrmMain* w = window.get();
    if (shown == Shown::Active)
        EXPECT_TRUE(activate(w));
    else if (shown == Shown::Plain)
        w->show();
    // The settings file is read just after the window shows.
    QCoreApplication::sendPostedEvents(w, QEvent::MetaCall);
    w->buildPages();
#define LT_FIND(name) name = named<std::remove_pointer_t<decltype(name)>>(w, #name)
    LT_FIND(Notebook1);
    LT_FIND(btPrev);
    LT_FIND(btNext);
    LT_FIND(btAbout);
    LT_FIND(btClose);
    LT_FIND(edName);
    LT_FIND(edDOB);
    LT_FIND(SpeedButton1);
    LT_FIND(numIncome);
    LT_FIND(gridHours);
    LT_FIND(gridMoney);
    LT_FIND(gridFreq);
    LT_FIND(btSort1);
    LT_FIND(btAdd1);
    LT_FIND(btEdit1);
    LT_FIND(btDel1);
    LT_FIND(btClear);
    LT_FIND(btSort2);
    LT_FIND(btAdd2);
    LT_FIND(btEdit2);
    LT_FIND(btDel2);
    LT_FIND(btClear2);
    LT_FIND(btSort3);
    LT_FIND(btAdd3);
    LT_FIND(btEdit3);
    LT_FIND(btDel3);
    LT_FIND(btClear3);
    LT_FIND(Label10);
    LT_FIND(label11);
    LT_FIND(btReport);
    LT_FIND(btPreview);
    LT_FIND(btPdf);
    LT_FIND(btCsv);
    LT_FIND(btGrHour);
    LT_FIND(btGrMoney);
    LT_FIND(btGrFreq);
    LT_FIND(PopupMenu1);
#undef LT_FIND
}

::testing::AssertionResult activate(QWidget* w) {
    w->show();
    QApplication::setActiveWindow(w);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w, 2000))
        return ::testing::AssertionFailure()
               << w->metaObject()->className() << " did not become active";
    return ::testing::AssertionSuccess();
}

// The widget holding the keyboard focus, seen as the control a user reached (the
// numeric fields pass their focus to an inner line edit).
QWidget* focusedControl() {
    QWidget* f = QApplication::focusWidget();
    while (f && f->parentWidget() && f->parentWidget()->focusProxy() == f) f = f->parentWidget();
    return f;
}

WizardHarness::WizardHarness(const QLocale& locale) : env(PinnedEnv::defaultNow(), locale) {}

QString WizardHarness::iniPath() const { return dir.filePath(QStringLiteral("lifetally.ini")); }

void WizardHarness::writeIni(const QByteArray& bytes) { writeFile(iniPath(), bytes); }

QByteArray WizardHarness::iniBytes() const {
    return QFile::exists(iniPath()) ? readFile(iniPath()) : QByteArray();
}

std::unique_ptr<Wizard> WizardHarness::start(bool active) {
    return std::make_unique<Wizard>(dir.path(),
                                    active ? Wizard::Shown::Active : Wizard::Shown::Plain);
}

}  // namespace lt::test
