#include "support/ui_seams.h"

#include <gtest/gtest.h>

#include <QDialog>

namespace lt::test {

void installFailingSeams() {
    MessageSeams& s = messageSeams();
    s.error = [](QWidget*, const QString& m) {
        ADD_FAILURE() << "unexpected error box: " << m.toStdString();
    };
    s.quietError = s.error;
    s.defaultReport = [](QWidget*, const QString& m) {
        ADD_FAILURE() << "unexpected error report: " << m.toStdString();
    };
    s.confirm = [](QWidget*, const QString& m) {
        ADD_FAILURE() << "unexpected confirmation: " << m.toStdString();
        return false;
    };
    s.execDialog = [](QDialog& d) {
        ADD_FAILURE() << "unexpected modal dialog: " << d.metaObject()->className();
        return int(QDialog::Rejected);
    };
    s.printDialog = [](QPrinter&, QWidget*) {
        ADD_FAILURE() << "unexpected print dialog";
        return false;
    };
    s.saveDialog = [](QWidget*, const SaveDialogSettings& settings) {
        ADD_FAILURE() << "unexpected save dialog: " << settings.caption.toStdString();
        return SaveDialogAnswer{};
    };
}

ScriptedBoxes::ScriptedBoxes() {
    MessageSeams& s = messageSeams();
    s.error = [this](QWidget*, const QString& m) { errors << m; };
    s.quietError = [this](QWidget*, const QString& m) { quietErrors << m; };
    s.defaultReport = [this](QWidget*, const QString& m) { reports << m; };
    s.confirm = [this](QWidget*, const QString& m) {
        confirmations << m;
        return confirmAnswer;
    };
    s.execDialog = [this](QDialog& d) {
        if (!onDialog) {
            ADD_FAILURE() << "unexpected modal dialog: " << d.metaObject()->className();
            return int(QDialog::Rejected);
        }
        return onDialog(d);
    };
    s.printDialog = [this](QPrinter& printer, QWidget*) {
        if (!onPrintDialog) {
            ADD_FAILURE() << "unexpected print dialog";
            return false;
        }
        return onPrintDialog(printer);
    };
    s.saveDialog = [this](QWidget*, const SaveDialogSettings& settings) {
        saveCaptions << settings.caption;
        saveDialogs << settings;
        return SaveDialogAnswer{saveAnswer,
                                saveFilter.isEmpty() ? settings.selectedFilter : saveFilter};
    };
}

ScriptedBoxes::~ScriptedBoxes() { installFailingSeams(); }

}  // namespace lt::test
