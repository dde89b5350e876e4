#pragma once
// One way for the window tests to start the wizard window over a settings file of
// their own and to reach its controls by their design names.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "support/test_env.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace lt {
class ActivityGrid;
class MaskedNumberField;
}  // namespace lt

namespace lt::test {

// Shows a top-level window and waits until it has the keyboard, as it would on a desktop.
::testing::AssertionResult activate(QWidget* w);

// The widget holding the keyboard focus, seen as the control a user reached (the
// numeric fields pass their focus to an inner line edit).
QWidget* focusedControl();

// The child of `root` named `name`; a test failure when there is none.
template <class T>
T* named(const QObject* root, const char* name) {
    T* child = root->findChild<T*>(QLatin1String(name));
    if (!child) ADD_FAILURE() << "no " << name;
    return child;
}

// The wizard window and its controls, found by their objectName once its pages are
// made. Shown first, it reads its settings before the pages exist, as at start-up.
struct Wizard {
    enum class Shown { No, Plain, Active };
    explicit Wizard(const QString& folder, Shown shown = Shown::No);

    std::unique_ptr<TfrmMain> window;
    QStackedWidget* Notebook1;
    QPushButton *btPrev, *btNext, *btAbout, *btClose;
    QLineEdit *edName, *edDOB;
    QToolButton* SpeedButton1;
    MaskedNumberField* numIncome;
    ActivityGrid *gridHours, *gridMoney, *gridFreq;
    QPushButton *btSort1, *btAdd1, *btEdit1, *btDel1, *btClear;
    QPushButton *btSort2, *btAdd2, *btEdit2, *btDel2, *btClear2;
    QPushButton *btSort3, *btAdd3, *btEdit3, *btDel3, *btClear3;
    QLabel *Label10, *label11;
    QPushButton *btReport, *btPreview, *btPdf, *btCsv, *btGrHour, *btGrMoney, *btGrFreq;
    QMenu* PopupMenu1;
};

// A temporary settings folder with the locale and clock pinned, and wizard windows
// started over it.
class WizardHarness {
public:
    explicit WizardHarness(const QLocale& locale = QLocale(QLocale::English,
                                                           QLocale::UnitedStates));

    QString iniPath() const;
    void writeIni(const QByteArray& bytes);
    void writeIni(const QString& text) { writeIni(text.toUtf8()); }
    QByteArray iniBytes() const;
    // Shows the window; with `active` also waits until it has the keyboard.
    std::unique_ptr<Wizard> start(bool active = false);

    PinnedEnv env;
    QTemporaryDir dir;
};

}  // namespace lt::test
