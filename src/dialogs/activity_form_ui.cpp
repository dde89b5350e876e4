#include "dialogs/activity_form_ui.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>

#include "calc/utility.h"
#include "dialogs/pick_date_window.h"
#include "platform/clock.h"
#include "platform/conversion.h"
#include "platform/locale_format.h"
#include "platform/resources_ui.h"

namespace lt::form {

QFont sansFont(int pixelSize) {
    // Liberation Sans keeps the narrow proportions the layout was drawn for.
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    return f;
}

QLabel* placeLabel(QWidget* parent, const QString& text, int left, int top, QWidget* buddy) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->move(left, top);
    l->adjustSize();
    if (buddy) {
        l->setBuddy(buddy);
        // Screen readers find a label only beside its control; one outside the control's
        // panel gives its text as the control's name instead.
        if (buddy->parentWidget() != parent && buddy->accessibleName().isEmpty())
            buddy->setAccessibleName(text);
    }
    return l;
}

QLabel* wordingLabel(QWidget* parent, int left, int top) {
    auto* l = new QLabel(parent);
    l->setFont(sansFont(11));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int right = parent->contentsRect().right();  // inside a panel's bevel
    l->setGeometry(left, top, right - left, l->fontMetrics().height() + 2);
    return l;
}

QToolButton* calendarButton(QWidget* parent, int left, int top) {
    loadResources();
    auto* b = new QToolButton(parent);
    b->setGeometry(left, top, 25, 25);
    b->setIcon(QIcon(QStringLiteral(":/calendar.png")));
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolTip(QStringLiteral("Popup calendar"));
    b->setAccessibleName(QStringLiteral("Popup calendar"));
    return b;
}

void showDateWording(QLabel* label, const QString& dateText, DateTime dateOfBirth) {
    const auto d = loc::parseDate(dateText);
    const QString text = d ? dateWhenAge(toDateTime(*d), dateOfBirth) : QString();
    label->setText(text);
    // The longest wordings can run past the panel's edge; the hint shows them whole.
    const bool clipped = label->fontMetrics().horizontalAdvance(text) > label->width();
    label->setToolTip(clipped ? text : QString());
}

QString todayText() { return loc::formatDate(today()); }

void switchEndDate(QRadioButton* rbSpecific, QLineEdit* edEndDate, QToolButton* btEnd,
                   const QString& lastEndDate) {
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    if (specific) {
        edEndDate->setText(lastEndDate);
        if (edEndDate->text() == u"Now") edEndDate->setText(todayText());
    } else {
        edEndDate->setText(QStringLiteral("Now"));
    }
    if (edEndDate->text().isEmpty()) edEndDate->setText(todayText());
}

void pickInto(QLineEdit* field, DateTime dateOfBirth) {
    const QDate start = strToDate(field->text());
    const DateTime chosen = pickDate(field, toDateTime(start), dateOfBirth);
    field->setText(loc::formatDate(dateOf(chosen)));
}

void centreOnScreen(QWidget* window) {
    const QScreen* s = window->screen();
    if (!s) return;
    const QRect area = s->availableGeometry();
    window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
}

}  // namespace lt::form
