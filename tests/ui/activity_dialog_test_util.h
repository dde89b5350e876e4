#pragma once
// Helpers shared by the activity dialog tests.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QRect>
#include <QTest>
#include <QWidget>
#include <vector>

namespace lt::test {

// The widgets Tab visits, in order, starting at `first` (disabled ones included,
// since tab order is fixed while the ending date is greyed out).
inline std::vector<QWidget*> tabChain(QWidget* first, int count) {
    std::vector<QWidget*> out{first};
    QWidget* w = first;
    while (static_cast<int>(out.size()) < count) {
        w = w->nextInFocusChain();
        if (w == first) break;
        if (w->focusProxy() || !(w->focusPolicy() & Qt::TabFocus) || w->isWindow()) continue;
        out.push_back(w);
    }
    return out;
}

// Shows the dialog without a modal loop and makes it the active window, so focus
// moves between its controls as it would for a user.
inline void showActive(QDialog& d) {
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
}

// The picker answers: choose `date` (or cancel when invalid).
inline int answerPicker(QDialog& picker, const QDate& date) {
    if (!date.isValid()) return QDialog::Rejected;
    auto* cal = picker.findChild<QCalendarWidget*>(QStringLiteral("Calendar"));
    if (!cal) {
        ADD_FAILURE() << "no calendar in the picker";
        return QDialog::Rejected;
    }
    cal->setSelectedDate(date);
    return QDialog::Accepted;
}

// Presses OK with the mouse, as a user does.
inline void pressOk(QAbstractButton* ok) { QTest::mouseClick(ok, Qt::LeftButton); }

}  // namespace lt::test
