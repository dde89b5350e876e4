#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "core/conversion.h"
#include "ui/shared_look.h"

class QWidget;
class QDialog;
class QMessageBox;
class QPrinter;

namespace lt {

// What a save-file dialog opens with.
struct SaveDialogSettings {
    QString caption;
    QString folder;           // the folder it opens in
    QString fileName;         // the name it suggests
    QStringList nameFilters;  // "PDF document (*.pdf)"
    QStringList suffixes;     // the suffix of each filter, without the dot: "pdf"
    QString selectedFilter;
    QString defaultSuffix;  // added to a name typed without one
};
// What the user chose: the path, empty when cancelled, and the filter in use.
struct SaveDialogAnswer {
    QString path;
    QString filter;
};

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
    // Stands in for the standard print dialog on `printer` when set; true when the user
    // confirms. Unset, runPrintDialog shows the real one.
    std::function<bool(QPrinter& printer, QWidget* parent)> printDialog;
    // The standard save-file dialog, set up as `settings` says.
    std::function<SaveDialogAnswer(QWidget* parent, const SaveDialogSettings& settings)> saveDialog;
    // Runs a message box the real hooks above have built (QMessageBox::exec by default).
    std::function<int(QMessageBox& box)> execBox;
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
SaveDialogAnswer runSaveDialog(QWidget* parent, const SaveDialogSettings& settings);

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

}  // namespace lt
