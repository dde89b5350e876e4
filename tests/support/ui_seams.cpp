#include "support/ui_seams.h"

#include <gtest/gtest.h>

#include <QDialog>

#include "ui/message_boxes.h"

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
    s.saveFileDialog = [](QWidget*, const QString& caption, const QString&) {
        ADD_FAILURE() << "unexpected save-file dialog: " << caption.toStdString();
        return QString();
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
    s.saveFileDialog = [this](QWidget*, const QString& caption, const QString&) {
        if (!onSaveFileDialog) {
            ADD_FAILURE() << "unexpected save-file dialog: " << caption.toStdString();
            return QString();
        }
        return onSaveFileDialog(caption);
    };
}

ScriptedBoxes::~ScriptedBoxes() { installFailingSeams(); }

}  // namespace lt::test
