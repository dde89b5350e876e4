#include "ui/message_boxes.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace lt {
namespace {
int runBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& message,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox b(icon, title, message, buttons, parent);
    // Messages quote what the user typed or the settings file held: never markup.
    b.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton) b.setDefaultButton(defaultButton);
    return messageSeams().execBox(b);
}

void box(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& message) {
    runBox(parent, icon, title, message, QMessageBox::Ok, QMessageBox::NoButton);
}

MessageSeams realSeams() {
    MessageSeams s;
    s.error = [](QWidget* p, const QString& m) {
        //: The title of the box that reports something the user must put right.
        box(p, QMessageBox::Critical, QCoreApplication::translate("MessageBox", "Error"), m);
    };
    s.quietError = s.error;
    s.defaultReport = [](QWidget* p, const QString& m) {
        box(p, QMessageBox::Critical, QStringLiteral("Lifetally"), m);
    };
    s.confirm = [](QWidget* p, const QString& m) {
        return runBox(p, QMessageBox::Question,
                      //: The title of a Yes/No question box.
                      QCoreApplication::translate("MessageBox", "Confirm"), m,
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
    };
    s.execDialog = [](QDialog& d) { return d.exec(); };
    s.saveDialog = [](QWidget* p, const SaveDialogSettings& settings) {
        QFileDialog dialog(p, settings.caption, settings.folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(settings.nameFilters);
        dialog.selectNameFilter(settings.selectedFilter);
        dialog.setDefaultSuffix(settings.defaultSuffix);
        dialog.selectFile(settings.fileName);
        // The suffix added follows the filter the user picks.
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, &settings](const QString& filter) {
                             dialog.setDefaultSuffix(
                                 settings.suffixes.value(settings.nameFilters.indexOf(filter)));
                         });
        if (dialog.exec() != QDialog::Accepted) return SaveDialogAnswer{};
        return SaveDialogAnswer{dialog.selectedFiles().value(0), dialog.selectedNameFilter()};
    };
    s.execBox = [](QMessageBox& b) { return b.exec(); };
    return s;
}
}  // namespace

MessageSeams& messageSeams() {
    static MessageSeams s = realSeams();
    return s;
}

void resetMessageSeams() { messageSeams() = realSeams(); }

void showError(const QString& message, QWidget* parent) {
    QApplication::beep();
    messageSeams().error(parent, message);
}

bool confirmYesNo(const QString& message, QWidget* parent) {
    return messageSeams().confirm(parent, message);
}

void reportDefaultError(const QString& message, QWidget* parent) {
    messageSeams().defaultReport(parent, message);
}

void showQuietError(const QString& message, QWidget* parent) {
    messageSeams().quietError(parent, message);
}

int execDialog(QDialog& dialog) { return messageSeams().execDialog(dialog); }

SaveDialogAnswer runSaveDialog(QWidget* parent, const SaveDialogSettings& settings) {
    return messageSeams().saveDialog(parent, settings);
}

}  // namespace lt
