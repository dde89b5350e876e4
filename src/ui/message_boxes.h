#pragma once
#include <QString>
#include <functional>

#include "core/conversion.h"

class QWidget;
class QDialog;
class QMessageBox;
class QPrinter;

namespace lt {

// Every modal box of the program goes through these hooks, so tests can answer them.
struct MessageSeams {
    // The error box: error icon, title "Error", one OK (the beep is sounded before).
    std::function<void(QWidget* parent, const QString& message)> error;
    // Yes/No confirmation; true for Yes.
    std::function<bool(QWidget* parent, const QString& message)> confirm;
    // The application's default error report: error icon, title "Lifetally", one OK.
    std::function<void(QWidget* parent, const QString& message)> defaultReport;
    // An error box without the beep (title "Error"), for the report writer.
    std::function<void(QWidget* parent, const QString& message)> quietError;
    // Runs a modal dialog and returns its result (QDialog::exec by default).
    std::function<int(QDialog& dialog)> execDialog;
    // The standard print dialog on `printer`; true when the user confirms.
    std::function<bool(QPrinter& printer, QWidget* parent)> printDialog;
    // Runs a message box the real hooks above have built (QMessageBox::exec by default).
    std::function<int(QMessageBox& box)> execBox;
    // The standard save-file dialog; the chosen file's path, or empty when cancelled.
    std::function<QString(QWidget* parent, const QString& caption, const QString& filters)>
        saveFileDialog;
};
MessageSeams& messageSeams();
// Puts the real boxes back.
void resetMessageSeams();

// Exclamation beep, then the modal error box.
void showError(const QString& message, QWidget* parent = nullptr);
bool confirmYesNo(const QString& message, QWidget* parent = nullptr);
void reportDefaultError(const QString& message, QWidget* parent = nullptr);
void showQuietError(const QString& message, QWidget* parent = nullptr);
int execDialog(QDialog& dialog);
bool runPrintDialog(QPrinter& printer, QWidget* parent = nullptr);
QString runSaveFileDialog(const QString& caption, const QString& filters,
                          QWidget* parent = nullptr);

// Runs an event handler's body; a conversion failure ends it and goes to the
// default error report. Nothing ever escapes into Qt's event loop.
template <class F>
void guarded(QWidget* parent, F&& body) {
    try {
        body();
    } catch (const ConversionError& e) {
        reportDefaultError(e.message(), parent);
    }
}

// The hourglass for the lifetime of the object.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace lt
