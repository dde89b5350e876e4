#include "ui/look_ahead_window.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/chart_points.h"
#include "core/clock.h"
#include "core/export_names.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "ui/activity_form.h"
#include "ui/designed_palette.h"
#include "ui/message_boxes.h"
#include "ui/outputs.h"
#include "ui/save_dialog.h"
#include "ui/text_room.h"

namespace lt {
namespace {
const char* const kGridNames[] = {"gridAheadHours", "gridAheadMoney", "gridAheadFreq"};
// The tabs' titles, then each table's name for screen readers, by tableIndex().
const char* const kTabTitles[] = {QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "&Hours"),
                                  QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "&Money"),
                                  QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "&Frequency")};
//: %1 is the age looked ahead to.
const char* const kTableNames[] = {QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "Hours by age %1"),
                                   QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "Money by age %1"),
                                   QT_TRANSLATE_NOOP("lt::TfrmLookAhead", "Frequency by age %1")};

// An age box whose arrows stop at the youngest age still ahead; a lower age typed in
// is refused by the window with a message.
class AgeSpinBox : public QSpinBox {
public:
    AgeSpinBox(int youngest, QWidget* parent) : QSpinBox(parent), youngest_(youngest) {}

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled steps = QSpinBox::stepEnabled();
        if (value() <= youngest_) steps &= ~StepDownEnabled;
        return steps;
    }

private:
    int youngest_;
};

QTableWidget* lookAheadGrid(QWidget* parent) {
    auto* g = new QTableWidget(parent);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::SingleSelection);
    g->verticalHeader()->hide();
    g->horizontalHeader()->setHighlightSections(false);
    g->horizontalHeader()->setSectionsClickable(false);
    g->setWordWrap(false);
    // Tab goes on to the buttons; the arrows move within the table.
    g->setTabKeyNavigation(false);
    return g;
}
}  // namespace

TfrmLookAhead::TfrmLookAhead(QWidget* owner, LookAheadInput input, int age)
    : QDialog(owner), input_(std::move(input)) {
    applyDesignedPalette(this);
    setWindowTitle(tr("Look ahead"));
    setFont(form::sansFont(13));
    look_ = lookAhead(input_.tables, input_.birth, age, nowDateTime());

    numAge = new AgeSpinBox(youngestAgeAhead(input_.birth, today()), this);
    numAge->setObjectName(QStringLiteral("numAge"));
    numAge->setRange(1, kLookAheadOldestAge);
    numAge->setValue(age);
    // The age counts once typed in full (Enter or leaving the box), not at each digit.
    numAge->setKeyboardTracking(false);
    lblAge = new QLabel(tr("&To age:"), this);
    lblAge->setObjectName(QStringLiteral("lblAge"));
    lblAge->setBuddy(numAge);
    lblLine = new QLabel(this);
    lblLine->setObjectName(QStringLiteral("lblLine"));
    lblLine->setWordWrap(true);
    lblLine->setTextFormat(Qt::PlainText);

    tabTables = new QTabWidget(this);
    tabTables->setObjectName(QStringLiteral("tabTables"));
    for (const TableDescription& desc : tableDescriptions()) {
        const int t = tableIndex(desc.kind);
        QTableWidget* g = lookAheadGrid(tabTables);
        g->setObjectName(QLatin1String(kGridNames[t]));
        tabTables->addTab(g, tr(kTabTitles[t]));
        grids[size_t(t)] = g;
    }

    btChart = new QPushButton(tr("&Chart"), this);
    btCsv = new QPushButton(tr("&Export as CSV..."), this);
    btTimeline = new QPushButton(tr("T&imeline"), this);
    btTimeline->setObjectName(QStringLiteral("btTimeline"));
    //: Closes the window.
    btClose = new QPushButton(tr("Close"), this);
    btChart->setObjectName(QStringLiteral("btChart"));
    btCsv->setObjectName(QStringLiteral("btCsv"));
    btClose->setObjectName(QStringLiteral("btClose"));
    // Enter in the age box takes the age in; it must not press a button and close.
    for (QPushButton* b : {btChart, btCsv, btTimeline, btClose}) b->setAutoDefault(false);

    auto* ageRow = new QHBoxLayout;
    ageRow->addWidget(lblAge);
    ageRow->addWidget(numAge);
    ageRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btChart);
    buttons->addWidget(btCsv);
    buttons->addWidget(btTimeline);
    buttons->addStretch();
    buttons->addWidget(btClose);
    auto* v = new QVBoxLayout(this);
    v->addLayout(ageRow);
    v->addWidget(lblLine);
    v->addWidget(tabTables, 1);
    v->addLayout(buttons);
    resize(820, 440);
    fitWindowToTexts(this);

    showLook();
    connect(numAge, &QSpinBox::valueChanged, this, &TfrmLookAhead::numAgeChange);
    // A tab, chosen by a click or its access key, leaves the age box without leaving
    // its focus; the tables must still show the age in the box.
    connect(tabTables, &QTabWidget::currentChanged, this, [this] { takeTypedAge(); });
    connect(btChart, &QPushButton::clicked, this, &TfrmLookAhead::btChartClick);
    connect(btCsv, &QPushButton::clicked, this, &TfrmLookAhead::btCsvClick);
    connect(btTimeline, &QPushButton::clicked, this, &TfrmLookAhead::btTimelineClick);
    connect(btClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmLookAhead::~TfrmLookAhead() = default;

void TfrmLookAhead::numAgeChange(int age) {
    const QString refusal = lookAheadRefusal(age, input_.birth, today());
    refused_ = !refusal.isEmpty();
    if (refused_) {
        showError(refusal, this);
        const QSignalBlocker quiet(numAge);
        numAge->setValue(look_.age);
        return;
    }
    guarded(this, [&] {
        look_ = lookAhead(input_.tables, input_.birth, age, nowDateTime());
        showLook();
    });
}

bool TfrmLookAhead::takeTypedAge() {
    // An access key presses its button without the box losing focus, so the box has not
    // taken in what was typed yet.
    refused_ = false;
    numAge->interpretText();
    return !refused_;
}

void TfrmLookAhead::showLook() {
    lblLine->setText(lookAheadLine(look_));
    for (const TableDescription& desc : tableDescriptions()) {
        const int t = tableIndex(desc.kind);
        QTableWidget* g = grids[size_t(t)];
        const QStringList headings = lookAheadHeadings(desc.kind, look_.age);
        const std::vector<LookAheadRow>& rows = look_.tables[size_t(t)];
        g->clear();
        g->setColumnCount(int(headings.size()));
        g->setHorizontalHeaderLabels(headings);
        g->setRowCount(int(rows.size()));
        for (int r = 0; r < int(rows.size()); ++r) {
            const QStringList cells = lookAheadCells(desc.kind, look_, rows[size_t(r)]);
            for (int c = 0; c < int(cells.size()); ++c) {
                auto* item = new QTableWidgetItem(cells[c]);
                if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                g->setItem(r, c, item);
            }
        }
        g->resizeColumnsToContents();
        // Room for every column as wide as its contents; the window grows with it.
        int width = g->verticalHeader()->width() + 2 * g->frameWidth() +
                    g->verticalScrollBar()->sizeHint().width();
        for (int c = 0; c < g->columnCount(); ++c) width += g->columnWidth(c);
        g->setMinimumWidth(width);
        g->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        g->setAccessibleName(tr(kTableNames[t]).arg(loc::formatNumber(look_.age, 0)));
    }
    btChart->setEnabled(!look_.tables[size_t(tableIndex(TableKind::Hours))].empty());
}

void TfrmLookAhead::btChartClick() {
    if (!takeTypedAge()) return;
    guarded(this, [this] {
        // Fresh colours for every chart, as the Results page draws them.
        initAColors(true, 0xFF0000);
        const TableChart chart = lookAheadChart(look_, input_.name);
        if (Outputs* out = outputsOrError(this))
            out->showGraph(this, chart.title, chart.points, TableKind::Hours);
    });
}

void TfrmLookAhead::btCsvClick() {
    if (!takeTypedAge()) return;
    const QByteArray csv = lookAheadCsv(look_);
    const QString path = askExportPath(this, tr("Export look ahead as CSV"), lookAheadFileName(),
                                       {{tr("CSV files"), QStringLiteral("csv")}});
    if (!path.isEmpty()) saveFileBytes(path, csv, this);
}

void TfrmLookAhead::btTimelineClick() {
    guarded(this, [this] {
        // To the age shown here.
        const TimelineInput input =
            timelineOf(input_.name, input_.tables, input_.birth, look_.age, nowDateTime());
        if (Outputs* out = outputsOrError(this)) out->showTimeline(this, input);
    });
}

int showLookAhead(QWidget* owner, const LookAheadInput& input, int age) {
    TfrmLookAhead frm(owner, input, age);
    execDialog(frm);
    return frm.age();
}

}  // namespace lt
