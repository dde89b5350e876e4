#include "ui/activity_form.h"

#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>
#include <vector>

#include "core/activity.h"
#include "core/activity_words.h"
#include "core/clock.h"
#include "core/conversion.h"
#include "core/date_wording.h"
#include "core/locale_format.h"
#include "ui/designed_palette.h"
#include "ui/look.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/pick_date_window.h"
#include "ui/text_room.h"

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
    l->setTextFormat(Qt::PlainText);
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

QLabel* wordingLabel(QWidget* parent, int left, int top, Qt::Alignment vertical) {
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(sansFont(11));
    l->setAlignment(Qt::AlignLeft | vertical);
    l->setWordWrap(true);
    const int right = parent->contentsRect().right();  // inside a panel's bevel
    // Two lines: the date's wording and the age go one under the other when the line
    // is too short for both.
    l->setGeometry(left, top, right - left, 2 * l->fontMetrics().height() + 1);
    QStringList samples;
    for (const QString& wording : widestWordings()) samples << breakAtGap(wording);
    reserveTexts(l, samples);
    return l;
}

QStringList widestWordings() {
    // Two-digit spans either side of today, and the longest ages they give.
    const QDate now = today();
    const QDate past = now.addMonths(-(26 * 12 + 11));
    const QDate ahead = now.addMonths(26 * 12 + 11);
    QStringList out;
    for (const QDate& d : {past, ahead})
        out << dateWhenAge(toDateTime(d), toDateTime(past.addMonths(-(88 * 12 + 11))));
    return out;
}

QString breakAtGap(const QString& wording) {
    QString text = wording;
    static const QRegularExpression gap(QStringLiteral("\\s{3,}"));
    text.replace(gap, QStringLiteral("\n"));
    return text;
}

QRadioButton* radioButton(QWidget* parent, const QString& text, int left, int top) {
    auto* b = new QRadioButton(text, parent);
    b->setGeometry(left, top, b->sizeHint().width(), 17);
    return b;
}

void nameControls(std::initializer_list<std::pair<QWidget*, const char*>> named) {
    for (const auto& [w, n] : named) w->setObjectName(QLatin1String(n));
}

void showDateWording(QLabel* label, const QString& dateText, DateTime dateOfBirth) {
    const auto d = loc::parseDate(dateText);
    const QString text = d ? dateWhenAge(toDateTime(*d), dateOfBirth) : QString();
    const bool fits = label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width();
    label->setText(fits ? text : breakAtGap(text));
}

QString todayText() { return loc::formatDate(today()); }

void switchEndDate(QRadioButton* rbSpecific, QLineEdit* edEndDate, QToolButton* btEnd,
                   const QString& lastEndDate) {
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
    if (specific) {
        edEndDate->setText(lastEndDate);
    } else {
        edEndDate->setText(shownUntilToday());
    }
    if (edEndDate->text().isEmpty()) edEndDate->setText(todayText());
}

// `place` names the field in a message about a text that is no date.
void pickInto(QLineEdit* field, DateTime dateOfBirth, const QString& place) {
    const QDate start = readAt(place, [field] { return strToDate(field->text()); });
    const DateTime chosen = pickDate(field, toDateTime(start), dateOfBirth);
    field->setText(loc::formatDate(dateOf(chosen)));
}

bool leftByUser(const QEvent* event) {
    if (event->type() != QEvent::FocusOut) return false;
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

ActivityForm::ActivityForm(QWidget* owner, DateTime dateOfBirth, const QString& birthDateText,
                           const FormLayout& layout)
    : QDialog(owner),
      dateOfBirth_(dateOfBirth),
      birthDateText_(birthDateText),
      indefiniteFirst_(layout.indefiniteFirst) {
    applyDesignedPalette(this);
    setFont(sansFont(13));
    setFixedSize(layout.size);

    edName = new QLineEdit(this);
    edName->setGeometry(184, 10, 249, 24);
    edName->setMaxLength(30);
    Label1 = placeLabel(this, tr("Description of activity"), 16, 12, edName);

    edDate = new QLineEdit(this);
    edDate->setGeometry(184, layout.startTop, 121, 24);
    Label6 = placeLabel(this, tr("Starting date of activity:"), 16, layout.startTop + 2, edDate);
    startCalendar_ = calendarButton(this, 308, layout.startTop);
    startWording_ = wordingLabel(this, 184, layout.startWordingTop, Qt::AlignTop);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(184, layout.panelTop, 249, layout.panelHeight);
    Panel1->setAccessibleName(endDatePlace());
    // Made in tab order, so that the panel's own order of children matches it.
    const auto indefinite = [this] { rbNow = radioButton(Panel1, tr("&Indefinite"), 126, 9); };
    const auto specific = [this] { rbSpecific = radioButton(Panel1, tr("&Specific date"), 8, 9); };
    if (indefiniteFirst_) {
        indefinite();
        specific();
    } else {
        specific();
        indefinite();
    }
    rbNow->setChecked(true);
    edEndDate = new QLineEdit(Panel1);
    edEndDate->setGeometry(8, 38, 121, 24);
    edEndDate->setEnabled(false);
    btEnd = calendarButton(Panel1, 131, 38);
    btEnd->setEnabled(false);
    // Its line where the panel shows it, with room for a second line above the bevel.
    endWording_ = wordingLabel(Panel1, 8, 66, Qt::AlignVCenter);
    Label2 = placeLabel(this, tr("Ending date of activity:"), 16, layout.endCaptionTop, edEndDate);

    btOK = new QPushButton(tr("&OK"), this);
    btOK->setGeometry(layout.ok.x(), layout.ok.y(), 75, 25);
    btOK->setDefault(true);
    btCancel = new QPushButton(tr("&Cancel"), this);
    btCancel->setGeometry(layout.ok.x() + 88, layout.ok.y(), 75, 25);
    for (QPushButton* b : {btOK, btCancel}) {
        b->setFont(sansFont(11));
        // A click leaves the focus where it is: Cancel must not make the field being
        // left check its entry, and OK checks the fields itself.
        b->setFocusPolicy(Qt::TabFocus);
    }

    nameControls({{edName, "edName"},
                  {edDate, "edDate"},
                  {Panel1, "Panel1"},
                  {rbNow, "rbNow"},
                  {rbSpecific, "rbSpecific"},
                  {edEndDate, "edEndDate"},
                  {Label1, "Label1"},
                  {Label2, "Label2"},
                  {Label6, "Label6"},
                  {btEnd, "btEnd"},
                  {btOK, "btOK"},
                  {btCancel, "btCancel"}});

    edDate->installEventFilter(this);
    edEndDate->installEventFilter(this);
    // rbSpecific toggles whenever either button of the pair becomes selected, also
    // when the caller selects one before the dialog is shown.
    connect(rbSpecific, &QRadioButton::toggled, this, &ActivityForm::rbSpecificClick);
    connect(btOK, &QPushButton::clicked, this, &ActivityForm::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString ActivityForm::endDatePlace() {
    //: Names the ending-date panel for screen readers, and the field in a message about a
    //: text that is no date.
    return tr("Ending date of activity");
}

void ActivityForm::chainTabs(std::initializer_list<QWidget*> amount) {
    std::vector<QWidget*> order{edName};
    order.insert(order.end(), amount);
    order.push_back(edDate);
    if (indefiniteFirst_)
        order.insert(order.end(), {rbNow, rbSpecific});
    else
        order.insert(order.end(), {rbSpecific, rbNow});
    order.insert(order.end(), {edEndDate, btOK, btCancel});
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void ActivityForm::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        FormShow();
        fitWindowToTexts(this);
        centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void ActivityForm::updateDateWhen() {
    showDateWording(startWording_, edDate->text(), dateOfBirth_);
}

void ActivityForm::updateEndDateWhen() {
    showDateWording(endWording_, edEndDate->text(), dateOfBirth_);
}

void ActivityForm::pickStartDate() {
    guarded(this, [this] {
        //: Names the field in a message about a text that is no date.
        pickInto(edDate, dateOfBirth_, tr("Starting date of activity"));
        edDate->setFocus();
        updateDateWhen();
        updateEndDateWhen();
    });
}

bool ActivityForm::pickEndDate() {
    bool picked = false;
    guarded(this, [&] {
        // Typed into the field by hand, in the file's word or the user's language.
        const QString typed = edEndDate->text();
        if (untilToday(typed) || typed == shownUntilToday()) edEndDate->setText(todayText());
        pickInto(edEndDate, dateOfBirth_, endDatePlace());
        edEndDate->setFocus();
        lastEndDate = edEndDate->text();
        picked = true;
    });
    return picked;
}

void ActivityForm::presetEnd(const std::optional<QString>& endDate) {
    edEndDate->setText(endDate.value_or(shownUntilToday()));
    lastEndDate = endDate.value_or(QString());
    rbNow->setChecked(!endDate);
    rbSpecific->setChecked(endDate.has_value());
}

QString ActivityForm::storedEndDate() const {
    return rbNow->isChecked() ? untilTodayText() : edEndDate->text();
}

void ActivityForm::showEndDate() {
    lastEndDate = rbSpecific->isChecked() ? edEndDate->text() : QString();
    const bool specific = rbSpecific->isChecked();
    edEndDate->setEnabled(specific);
    btEnd->setEnabled(specific);
}

void ActivityForm::rbSpecificClick() { switchEndDate(rbSpecific, edEndDate, btEnd, lastEndDate); }

void ActivityForm::btOKClick() {
    for (MaskedNumberField* f : findChildren<MaskedNumberField*>())
        if (!f->acceptTyped()) return;
    guarded(this, [this] {
        const CheckResult r = qKosher();
        if (!r.passed) {
            showError(r.message, this);
            switch (r.focus) {
                case CheckFocus::Name:
                    edName->setFocus();
                    break;
                case CheckFocus::StartDate:
                    edDate->setFocus();
                    break;
                case CheckFocus::EndDate:
                    edEndDate->setFocus();
                    break;
                case CheckFocus::Amount:
                    if (amountField_) amountField_->setFocus();
                    break;
                case CheckFocus::Unchanged:
                    break;
            }
            return;
        }
        if (rbNow->isChecked()) edEndDate->setText(shownUntilToday());
        accept();
    });
}

}  // namespace lt::form
