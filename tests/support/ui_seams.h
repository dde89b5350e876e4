#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "ui/message_boxes.h"

class QDialog;
class QPrinter;

namespace lt::test {

// Makes every modal box fail the test instead of blocking (the default in ui_tests).
void installFailingSeams();

// Records the boxes a test expects and answers them; restores the failing seams when
// it goes out of scope.
class ScriptedBoxes {
public:
    ScriptedBoxes();
    ~ScriptedBoxes();
    QStringList errors;         // showError
    QStringList reports;        // default error report
    QStringList quietErrors;    // error box without beep
    QStringList confirmations;  // Yes/No questions asked
    bool confirmAnswer = true;  // what every confirmation answers
    // Called for each modal dialog; returns its result. Unset: the test fails.
    std::function<int(QDialog&)> onDialog;
    // Called for the print dialog; returns whether the user confirmed. Unset: the test fails.
    std::function<bool(QPrinter&)> onPrintDialog;
    // The save-file dialog's answer (empty: cancelled), with the filter chosen (unset: the
    // one the dialog showed first); the captions and settings asked with are kept.
    QString saveAnswer;
    QString saveFilter;
    QStringList saveCaptions;
    QList<SaveDialogSettings> saveDialogs;
};

}  // namespace lt::test
