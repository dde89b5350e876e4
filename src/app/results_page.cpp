#include "app/results_page.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/input_masks.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "core/totals.h"
#include "ui/look.h"
#include "ui/text_room.h"

namespace lt {

ResultsPage::ResultsPage(const QBrush& background, QWidget* parent)
    : QWidget(parent), background_(background) {}

void ResultsPage::ensureBuilt() {
    if (ageLabel_) return;
    tile(this, background_);
    pageHeading(tr("Results"), this)->move(16, 16);
    const QFont lineFont = pixelFont(QStringLiteral("Arial"), 15, true);
    ageLabel_ = new QLabel(age_, this);
    ageLabel_->setObjectName(QStringLiteral("Label10"));
    incomeLabel_ = new QLabel(income_, this);
    incomeLabel_->setObjectName(QStringLiteral("label11"));
    int y = 64;
    for (QLabel* l : {ageLabel_, incomeLabel_}) {
        l->setFont(lineFont);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(0, y, 590, 24);
        y += 32;
    }
    // The lines change with the birth date and the income: room for the longest.
    const QDate oldest = today().addYears(-120).addDays(1);
    reserveTexts(ageLabel_, {ageLine(loc::formatDate(oldest), nowDateTime())});
    reserveTexts(incomeLabel_, {incomeLine(loc::maskedNumber(kMaxIncome, incomeMask()))});
    // Two rows of two under the lines, the chart buttons' box below them.
    const struct {
        const char* text;
        const char* name;
        void (ResultsPage::*clicked)();
    } outputs[] = {{QT_TR_NOOP("P&rint report"), "btReport", &ResultsPage::reportClicked},
                   {QT_TR_NOOP("Pre&view report"), "btPreview", &ResultsPage::previewClicked},
                   {QT_TR_NOOP("Save report as P&DF..."), "btPdf", &ResultsPage::pdfClicked},
                   {QT_TR_NOOP("Export tables as &CSV..."), "btCsv", &ResultsPage::csvClicked}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QPushButton(tr(outputs[i].text), this);
        b->setObjectName(QLatin1String(outputs[i].name));
        b->setGeometry(i % 2 == 0 ? 115 : 305, i < 2 ? 132 : 166, 170, 28);
        connect(b, &QPushButton::clicked, this, outputs[i].clicked);
        if (i == 0) {
            // Ctrl+P prints, as everywhere on the desktop, while this page is shown.
            const QKeySequence print(QKeySequence::Print);
            auto* shortcut = new QShortcut(print, this);
            connect(shortcut, &QShortcut::activated, this, &ResultsPage::reportClicked);
            //: %1 is the key that prints, as the desktop writes it (Ctrl+P).
            b->setToolTip(
                tr("Print the report (%1)").arg(print.toString(QKeySequence::NativeText)));
        }
    }

    auto* box = new QGroupBox(this);
    box->setGeometry(145, 208, 300, 140);
    auto* v = new QVBoxLayout(box);
    for (const TableDescription& desc : tableDescriptions()) {
        auto* b =
            new QPushButton(QCoreApplication::translate("Tables", desc.chartButtonCaption), box);
        b->setObjectName(QLatin1String(desc.chartButtonName));
        v->addWidget(b);
        const TableKind kind = desc.kind;
        connect(b, &QPushButton::clicked, this, [this, kind] { emit chartClicked(kind); });
        chartButtons_[tableIndex(kind)] = b;
    }

    // Beside the chart buttons' box: it looks ahead from the same tables.
    auto* lookAhead = new QPushButton(tr("&Look ahead..."), this);
    lookAhead->setObjectName(QStringLiteral("btLookAhead"));
    lookAhead->setGeometry(455, 264, 125, 28);
    connect(lookAhead, &QPushButton::clicked, this, &ResultsPage::lookAheadClicked);
    // Under it: the same tables over the whole life.
    auto* timeline = new QPushButton(tr("T&imeline"), this);
    timeline->setObjectName(QStringLiteral("btTimeline"));
    timeline->setGeometry(455, 296, 125, 28);
    connect(timeline, &QPushButton::clicked, this, &ResultsPage::timelineClicked);
}

QString ResultsPage::ageText() const { return age_; }
QString ResultsPage::incomeText() const { return income_; }

void ResultsPage::setLines(const QString& age, const QString& income) {
    age_ = age;
    income_ = income;
    if (!ageLabel_) return;
    ageLabel_->setText(age);
    incomeLabel_->setText(income);
}

void ResultsPage::setChartEnabled(TableKind kind, bool enabled) {
    ensureBuilt();
    chartButtons_[tableIndex(kind)]->setEnabled(enabled);
}

}  // namespace lt
