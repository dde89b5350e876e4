#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/intro_page.h"
#include "core/settings_file.h"
#include "core/totals.h"
#include "ui/about_window.h"
#include "ui/designed_palette.h"
#include "ui/pick_date_window.h"
#include "core/chart_points.h"
#include "ui/graph_window.h"
#include "ui/report_print.h"
#include "core/clock.h"
#include "core/conversion.h"
#include "core/locale_format.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/resources.h"
#include "ui/activity_grid.h"
#include "ui/table_editing.h"
#include "core/table_sort.h"

namespace lt {
namespace {
constexpr int kLastPage = 5;

// Designed widths of the hours table's columns.
constexpr int kColumnWidths[kTableCols] = {171, 87, 41, 66, 67, 119};

QFont pixelFont(const QString& family, int pixels, bool bold = false) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* heading(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setFont(pixelFont(QStringLiteral("Arial"), 19, true));
    l->setStyleSheet(QStringLiteral("color: navy; background: transparent;"));
    return l;
}

void tile(QWidget* w, const QBrush& background) {
    QPalette pal = w->palette();
    pal.setBrush(QPalette::Window, background);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}
}  // namespace

TfrmMain::TfrmMain(const QString& dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), dataFolder_(dataFolder) {
    loadResources();
    applyDesignedPalette(this);
    setWindowTitle(QStringLiteral("Lifetally"));
    setFixedSize(623, 419);
    background_ = QBrush(QPixmap(QStringLiteral(":/background.png")));
    tile(this, background_);

    Notebook1 = new QStackedWidget(this);
    Notebook1->setGeometry(16, 8, 590, 361);
    Notebook1->addWidget(buildIntroPage());
    Notebook1->addWidget(buildBioPage());
    for (int i = 2; i <= 4; ++i) Notebook1->addWidget(buildTablePage(i));
    Notebook1->addWidget(buildResultsPage());

    btPrev = new QPushButton(QStringLiteral("<<&Prev"), this);
    btNext = new QPushButton(QStringLiteral("&Next>>"), this);
    btAbout = new QPushButton(QStringLiteral("&About"), this);
    btClose = new QPushButton(QStringLiteral("Close"), this);
    int x = 623 - 16 - 4 * 75 - 3 * 8;
    for (QPushButton* b : {btPrev, btNext, btAbout, btClose}) {
        b->setGeometry(x, 382, 75, 25);
        x += 83;
    }
    connect(btPrev, &QPushButton::clicked, this, &TfrmMain::btPrevClick);
    connect(btNext, &QPushButton::clicked, this, &TfrmMain::btNextClick);
    connect(btAbout, &QPushButton::clicked, this, &TfrmMain::btAboutClick);
    connect(btClose, &QPushButton::clicked, this, &TfrmMain::btCloseClick);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(QStringLiteral("Sort by activity"), this, &TfrmMain::ActivitySortClick)
        ->setObjectName(QStringLiteral("ActivitySort"));
    PopupMenu1->addAction(QStringLiteral("Sort by start date"), this, &TfrmMain::StartDate1Click)
        ->setObjectName(QStringLiteral("StartDate1"));
    PopupMenu1->addAction(QStringLiteral("Sort by total"), this, &TfrmMain::Total1Click)
        ->setObjectName(QStringLiteral("Total1"));

    FormCreate();
}

TfrmMain::~TfrmMain() = default;

QString TfrmMain::settingsFilePath() const {
    const QString folder =
        dataFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : dataFolder_;
    return QDir(folder).filePath(QStringLiteral("lifetally.ini"));
}

QWidget* TfrmMain::buildIntroPage() {
    auto* page = new IntroPage;
    tile(page, background_);
    return page;
}

QWidget* TfrmMain::buildBioPage() {
    auto* page = new QWidget;
    tile(page, background_);
    heading(QStringLiteral("Step 1: Personal Biographical Information"), page)->move(16, 16);

    const QFont labelFont = pixelFont(QStringLiteral("Arial"), 15);
    auto* lName = new QLabel(QStringLiteral("Your name:"), page);
    lName->setFont(labelFont);
    lName->setGeometry(60, 90, 200, 24);
    edName = new QLineEdit(page);
    edName->setGeometry(270, 90, 250, 24);
    lName->setBuddy(edName);

    auto* lDob = new QLabel(QStringLiteral("Your birthdate:"), page);
    lDob->setFont(labelFont);
    lDob->setGeometry(60, 140, 200, 24);
    edDOB = new QLineEdit(page);
    edDOB->setGeometry(270, 140, 121, 24);
    lDob->setBuddy(edDOB);
    edDOB->installEventFilter(this);
    SpeedButton1 = new QToolButton(page);
    SpeedButton1->setGeometry(394, 140, 25, 25);
    SpeedButton1->setIcon(QIcon(QStringLiteral(":/calendar.png")));
    SpeedButton1->setToolTip(QStringLiteral("Popup calendar"));
    SpeedButton1->setAccessibleName(QStringLiteral("Popup calendar"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &TfrmMain::SpeedButton1Click);

    auto* lIncome = new QLabel(QStringLiteral("Estimate your lifetime income up to now:"), page);
    lIncome->setFont(labelFont);
    lIncome->setWordWrap(true);
    lIncome->setGeometry(60, 184, 200, 44);
    numIncome = new MaskedNumberField(page);
    numIncome->setPictureMask(QStringLiteral("$###,###,###"));
    numIncome->setRange(0, 99999999);
    numIncome->setSingleStep(10000);
    numIncome->setGeometry(270, 190, 150, 24);
    lIncome->setBuddy(numIncome);

    QWidget::setTabOrder(edName, edDOB);
    QWidget::setTabOrder(edDOB, numIncome);
    return page;
}

QWidget* TfrmMain::buildTablePage(int index) {
    using Slot = void (TfrmMain::*)();
    struct PageDesign {
        const char* heading;
        const char* accessibleName;  // no label sits beside the table
        const char* note;
        ActivityGrid* TfrmMain::*grid;
        QPushButton* TfrmMain::*buttons[5];  // Sort, Add, Edit, Delete, Clear
        Slot add, edit, del, clear;
    };
    static const PageDesign designs[] = {
        {"Step 2: Number of hours spent on various activities",
         "Hours spent on activities",
         "Note that the percentage is based on the number of hours you have been alive.  "
         "Percentages may not "
         "add up to 100 due to overlap.",
         &TfrmMain::gridHours,
         {&TfrmMain::btSort1, &TfrmMain::btAdd1, &TfrmMain::btEdit1, &TfrmMain::btDel1,
          &TfrmMain::btClear},
         &TfrmMain::btAdd1Click,
         &TfrmMain::btEdit1Click,
         &TfrmMain::btDel1Click,
         &TfrmMain::btClearClick},
        {"Step 3: Money spent on various activities",
         "Money spent on activities",
         "Note that the percentage is based on your lifetime income.",
         &TfrmMain::gridMoney,
         {&TfrmMain::btSort2, &TfrmMain::btAdd2, &TfrmMain::btEdit2, &TfrmMain::btDel2,
          &TfrmMain::btClear2},
         &TfrmMain::btAdd2Click,
         &TfrmMain::btEdit2Click,
         &TfrmMain::btDel2Click,
         &TfrmMain::btClear2Click},
        {"Step 4: Frequency of various activities",
         "Frequency of activities",
         nullptr,
         &TfrmMain::gridFreq,
         {&TfrmMain::btSort3, &TfrmMain::btAdd3, &TfrmMain::btEdit3, &TfrmMain::btDel3,
          &TfrmMain::btClear3},
         &TfrmMain::btAdd3Click,
         &TfrmMain::btEdit3Click,
         &TfrmMain::btDel3Click,
         &TfrmMain::btClear3Click},
    };
    const PageDesign& d = designs[index - 2];
    const bool hours = index == 2;

    auto* page = new QWidget;
    tile(page, background_);
    heading(QString::fromLatin1(d.heading), page)->move(8, 12);

    auto* grid = new ActivityGrid(page);
    this->*d.grid = grid;
    grid->setGeometry(8, 49, 577, 263);
    grid->setAccessibleName(QString::fromLatin1(d.accessibleName));
    // Tab leaves the table for its buttons; the arrow keys move between rows.
    grid->setTabKeyNavigation(false);
    grid->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid->horizontalHeader()->setFont(pixelFont(QStringLiteral("Times New Roman"), 13));
    grid->setToolTip(QStringLiteral("Double click to edit"));
    grid->setRightAligned(hours ? QList<int>{5} : QList<int>{1, 5});
    if (hours) {
        grid->setDrawCell([this](QPainter* p, int c, int r, const QRect& rect, bool sel) {
            gridHoursDrawCell(p, c, r, rect, sel);
        });
        for (int c = 0; c < kTableCols; ++c) grid->setColumnWidth(c, kColumnWidths[c]);
    } else {
        grid->setDrawCell([this, grid](QPainter* p, int c, int r, const QRect& rect, bool sel) {
            gridMoneyDrawCell(grid, p, c, r, rect, sel);
        });
    }

    const char* const captions[] = {"Sort", "Add", "Edit", "Delete", "Clear"};
    const Slot handlers[] = {&TfrmMain::btSort1Click, d.add, d.edit, d.del, d.clear};
    QWidget* previous = grid;
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(QString::fromLatin1(captions[i]), page);
        this->*d.buttons[i] = b;
        b->setGeometry(270 + 64 * i, 323, 60, 25);
        b->setFont(pixelFont(QStringLiteral("Arial"), 11));
        connect(b, &QPushButton::clicked, this, handlers[i]);
        QWidget::setTabOrder(previous, b);
        previous = b;
    }
    connect(grid, &QTableWidget::cellDoubleClicked, this, d.edit);
    // The heading row is part of the table: a double click there edits the selected row.
    connect(grid->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this, d.edit);

    if (d.note) {
        auto* note = new QLabel(QString::fromLatin1(d.note), page);
        note->setWordWrap(true);
        note->setFont(pixelFont(QStringLiteral("Arial"), 11));
        note->setGeometry(8, 316, 250, 42);
    }
    return page;
}

QWidget* TfrmMain::buildResultsPage() {
    auto* page = new QWidget;
    tile(page, background_);
    heading(QStringLiteral("Results"), page)->move(16, 16);
    const QFont lineFont = pixelFont(QStringLiteral("Arial"), 15, true);
    Label10 = new QLabel(QStringLiteral("You are: xx Years, xx Months, xx Days old"), page);
    label11 = new QLabel(page);
    int y = 64;
    for (QLabel* l : {Label10, label11}) {
        l->setFont(lineFont);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(0, y, 590, 24);
        y += 32;
    }
    btReport = new QPushButton(QStringLiteral("Print report"), page);
    btReport->setGeometry(235, 140, 120, 28);
    connect(btReport, &QPushButton::clicked, this, &TfrmMain::btReportClick);

    auto* box = new QGroupBox(page);
    box->setGeometry(145, 190, 300, 140);
    auto* v = new QVBoxLayout(box);
    btGrHour = new QPushButton(QStringLiteral("Graph results of hours"), box);
    btGrMoney = new QPushButton(QStringLiteral("Graph results of money"), box);
    btGrFreq = new QPushButton(QStringLiteral("Graph results of frequency"), box);
    for (QPushButton* b : {btGrHour, btGrMoney, btGrFreq}) v->addWidget(b);
    connect(btGrHour, &QPushButton::clicked, this, &TfrmMain::btGrHourClick);
    connect(btGrMoney, &QPushButton::clicked, this, &TfrmMain::btGrMoneyClick);
    connect(btGrFreq, &QPushButton::clicked, this, &TfrmMain::btGrFreqClick);
    return page;
}

// ---- start-up and shut-down -------------------------------------------------

void TfrmMain::FormCreate() { edDOB->setText(loc::formatDate(today())); }

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    if (const QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
    FormShow();
}

void TfrmMain::FormShow() {
    dateOfBirth = nowDateTime();
    adjustColWidths();
    initGrids();
    readSettings();
    ShowBirthDate();
    // A stored birth date that does not parse is reported once; the Intro page still
    // shows and the user can put the date right on the Bio page.
    guarded(this, [this] { computeTotals(); });
    Notebook1->setCurrentIndex(0);
    btPrev->setEnabled(false);
}

void TfrmMain::readSettings() {
    const StoredSettings s = readSettingsFile(settingsFilePath());
    edName->setText(s.name);
    edDOB->setText(s.birthDateText);
    numIncome->setValue(static_cast<double>(s.income));
    ActivityGrid* grids[3] = {gridHours, gridMoney, gridFreq};
    for (int t = 0; t < 3; ++t) {
        const auto& rows = s.tables[t];
        for (int i = 0; i < static_cast<int>(rows.size()) && i + 1 < kTableRows; ++i)
            for (int c = 0; c < 5; ++c) grids[t]->setCell(c, i + 1, rows[i][c]);
    }
}

void TfrmMain::writeSettings() {
    StoredSettings s;
    s.name = edName->text();
    s.birthDateText = edDOB->text();
    s.income = static_cast<qint64>(numIncome->value());
    const ActivityGrid* grids[3] = {gridHours, gridMoney, gridFreq};
    for (int t = 0; t < 3; ++t) {
        for (int r = 1; r < kTableRows; ++r) {
            std::array<QString, 5> cells;
            for (int c = 0; c < 5; ++c) cells[c] = grids[t]->cell(c, r);
            s.tables[t].push_back(cells);
        }
    }
    writeSettingsFile(settingsFilePath(), s);
}

void TfrmMain::btCloseClick() {
    try {
        WaitCursor wait;
        writeSettings();
    } catch (const SettingsWriteError& e) {
        // The old file is untouched; the window stays open with everything entered.
        reportDefaultError(e.message(), this);
        return;
    }
    close();
}

void TfrmMain::btAboutClick() { showAboutBox(this); }

// ---- wizard -------------------------------------------------------------------

void TfrmMain::btNextClick() {
    // Alt+N clicks without moving the focus; move it as a mouse click does, so that the
    // field being typed in takes its entry in (income, birth date) before anything is read.
    btNext->setFocus(Qt::ShortcutFocusReason);
    const int p = Notebook1->currentIndex();
    btNext->setEnabled(true);
    btPrev->setEnabled(true);
    // A refused birth date keeps the page. A row that does not convert (only from a
    // hand-edited file) is reported and the page still changes: every Next computes all
    // three tables, so staying would keep the user from ever reaching the row to mend it.
    bool refused = false;
    guarded(this, [&] {
        if (p == 1) {
            if (!checkBioPage()) {
                showError(
                    QStringLiteral("Your birthdate is mandatory to proceed to the next step."),
                    this);
                refused = true;
                return;
            }
            computeTotals();
        }
        if (p == 3) computeTotals();
        if (p == 4) {
            btGrHour->setEnabled(!gridHours->cell(0, 1).isEmpty());
            btGrMoney->setEnabled(!gridMoney->cell(0, 1).isEmpty());
            btGrFreq->setEnabled(!gridFreq->cell(0, 1).isEmpty());
            computeTotals();
        }
    });
    if (refused) return;
    if (p < kLastPage) Notebook1->setCurrentIndex(p + 1);
    if (Notebook1->currentIndex() == kLastPage) btNext->setEnabled(false);
}

void TfrmMain::btPrevClick() {
    btPrev->setEnabled(true);
    btNext->setEnabled(true);
    if (Notebook1->currentIndex() > 0) Notebook1->setCurrentIndex(Notebook1->currentIndex() - 1);
    if (Notebook1->currentIndex() == 0) btPrev->setEnabled(false);
}

bool TfrmMain::checkBioPage() const {
    return !edDOB->text().isEmpty() && loc::parseDate(edDOB->text()).has_value();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edDOB && event->type() == QEvent::FocusOut) edDOBExit();
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::edDOBExit() { ShowBirthDate(); }

void TfrmMain::ShowBirthDate() {
    const auto birth = loc::parseDate(edDOB->text());
    if (!birth) return;
    dateOfBirth = toDateTime(*birth);
    hoursLived = computedatediff(nowDateTime(), dateOfBirth).totalHours;
}

void TfrmMain::SpeedButton1Click() {
    guarded(this, [this] {
        const DateTime initial = toDateTime(strToDate(edDOB->text()));
        const DateTime chosen = pickDate(edDOB, initial, dateOfBirth);
        edDOB->setText(loc::formatDate(dateOf(chosen)));
        edDOB->setFocus();
        ShowBirthDate();
    });
}

// ---- totals -------------------------------------------------------------------

void TfrmMain::computeHourTotal(int row) {
    gridHours->setCell(5, row,
                       hourTotalText(gridHours->activityRow(row), hoursLived, nowDateTime()));
}

void TfrmMain::computeMoneyTotal(int row, bool moneyMode) {
    ActivityGrid* grid = moneyMode ? gridMoney : gridFreq;
    grid->setCell(
        5, row,
        moneyTotalText(grid->activityRow(row), moneyMode, numIncome->value(), nowDateTime()));
}

void TfrmMain::computeTotals() {
    const DateTime moment = nowDateTime();
    const QString age = ageLine(edDOB->text(), moment);
    Label10->setText(age);
    label11->setText(incomeLine(numIncome->text()));
    for (int r = 1, n = numNonBlankRows(gridHours->texts()); r <= n; ++r) computeHourTotal(r);
    for (int r = 1, n = numNonBlankRows(gridMoney->texts()); r <= n; ++r)
        computeMoneyTotal(r, true);
    for (int r = 1, n = numNonBlankRows(gridFreq->texts()); r <= n; ++r)
        computeMoneyTotal(r, false);
}

double TfrmMain::computeSubTotal(const ActivityGrid* grid) const {
    double sum = 0;
    for (int r = 1, n = numNonBlankRows(grid->texts()); r <= n; ++r)
        sum += totalCellValue(grid->cell(5, r));
    return sum;
}

// ---- tables ---------------------------------------------------------------------

void TfrmMain::initGrids() {
    gridHours->setTexts(emptyTable(TableKind::Hours), 0, 0);
    gridMoney->setTexts(emptyTable(TableKind::Money), 0, 0);
    gridFreq->setTexts(emptyTable(TableKind::Freq), 0, 0);
}

void TfrmMain::adjustColWidths() {
    for (int c = 0; c < kTableCols; ++c) {
        gridMoney->setColumnWidth(c, gridHours->columnWidth(c));
        gridFreq->setColumnWidth(c, gridHours->columnWidth(c));
    }
}

void TfrmMain::drawCell(ActivityGrid* grid, QPainter* p, int col, int row, const QRect& rect,
                        bool selected) {
    const QPalette& pal = grid->palette();
    p->save();
    p->setClipRect(rect);
    p->fillRect(rect, selected ? pal.brush(QPalette::Highlight) : pal.brush(QPalette::Base));
    p->setPen(selected ? pal.color(QPalette::HighlightedText) : QColor(Qt::black));
    p->setFont(grid->font());
    const bool right = grid->isRightAligned(col);
    const QRect text = rect.adjusted(2, 2, -2, 0);
    p->drawText(text, (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop | Qt::TextSingleLine,
                grid->cell(col, row));
    p->restore();
}

void TfrmMain::gridHoursDrawCell(QPainter* p, int col, int row, const QRect& rect, bool selected) {
    drawCell(gridHours, p, col, row, rect, selected);
}

void TfrmMain::gridMoneyDrawCell(ActivityGrid* grid, QPainter* p, int col, int row,
                                 const QRect& rect, bool selected) {
    drawCell(grid, p, col, row, rect, selected);
}

void TfrmMain::btAdd1Click() {
    guarded(this, [this] {
        const int r = addHoursRow(gridHours, {this, dateOfBirth, edDOB->text()});
        if (r > 0) computeHourTotal(r);
    });
}

void TfrmMain::btEdit1Click() {
    guarded(this, [this] {
        const int r = editHoursRow(gridHours, {this, dateOfBirth, edDOB->text()});
        if (r > 0) computeHourTotal(r);
    });
}

void TfrmMain::AddButton(ActivityGrid* grid, bool moneyMode) {
    guarded(this, [&] {
        const int r = addMoneyRow(grid, moneyMode, {this, dateOfBirth, edDOB->text()});
        if (r > 0) computeMoneyTotal(r, moneyMode);
    });
}

void TfrmMain::editButton(ActivityGrid* grid, bool moneyMode) {
    guarded(this, [&] {
        const int r = editMoneyRow(grid, moneyMode, {this, dateOfBirth, edDOB->text()});
        if (r > 0) computeMoneyTotal(r, moneyMode);
    });
}

void TfrmMain::btAdd2Click() { AddButton(gridMoney, true); }
void TfrmMain::btAdd3Click() { AddButton(gridFreq, false); }
void TfrmMain::btEdit2Click() { editButton(gridMoney, true); }
void TfrmMain::btEdit3Click() { editButton(gridFreq, false); }
void TfrmMain::DeleteGrid(ActivityGrid* grid) { deleteSelectedRow(grid, this); }
void TfrmMain::ClearGrid(ActivityGrid* grid) { clearTable(grid, this); }
void TfrmMain::btDel1Click() { DeleteGrid(gridHours); }
void TfrmMain::btDel2Click() { DeleteGrid(gridMoney); }
void TfrmMain::btDel3Click() { DeleteGrid(gridFreq); }
void TfrmMain::btClearClick() { ClearGrid(gridHours); }
void TfrmMain::btClear2Click() { ClearGrid(gridMoney); }
void TfrmMain::btClear3Click() { ClearGrid(gridFreq); }

// ---- sorting --------------------------------------------------------------------

void TfrmMain::btSort1Click() {
    // The hours table's place (left 8, top 49, 577 x 263 inside its page) is used on
    // every page, so the menu opens at the same point whichever page is shown.
    const QPoint at(8 + 577 - 300, 49 + 263 - 100);
    PopupMenu1->popup(mapToGlobal(at));
}

ActivityGrid* TfrmMain::shownGrid() const {
    switch (Notebook1->currentIndex()) {
        case 2:
            return gridHours;
        case 3:
            return gridMoney;
        case 4:
            return gridFreq;
        default:
            return nullptr;
    }
}

void TfrmMain::sortShown(int kind) {
    ActivityGrid* grid = shownGrid();
    if (!grid) return;
    TableTexts rows = grid->texts();
    const SortRange range = sortRangeOf(rows);
    switch (kind) {
        case 0:
            sortByText(rows, range.lo, range.hi, 0, false);
            break;
        case 1:
            sortByDate(rows, range.lo, range.hi, 3, false);
            break;
        default:
            sortByNumber(rows, range.lo, range.hi, 5, true);
            break;
    }
    grid->setTexts(rows, range.lo, range.hi);
    grid->viewport()->update();
}

void TfrmMain::ActivitySortClick() { sortShown(0); }
void TfrmMain::StartDate1Click() { sortShown(1); }
void TfrmMain::Total1Click() { sortShown(2); }

// ---- output ---------------------------------------------------------------------

void TfrmMain::btGrHourClick() { graphit(true, false, false); }
void TfrmMain::btGrMoneyClick() { graphit(false, true, false); }
void TfrmMain::btGrFreqClick() { graphit(false, false, true); }

void TfrmMain::graphit(bool hours, bool money, bool /*freq*/) {
    guarded(this, [&] {
        initAColors(true, 0xFF0000);
        const QString name = edName->text();
        QString title;
        const ActivityGrid* grid;
        double subtotal = 0, base = 0;
        if (hours) {
            title = hoursChartTitle(name, Label10->text());
            grid = gridHours;
            subtotal = computeSubTotal(gridHours);
            base = hoursLived;
        } else if (money) {
            title = moneyChartTitle(name, label11->text());
            grid = gridMoney;
            subtotal = computeSubTotal(gridMoney);
            base = numIncome->value();
        } else {
            title = freqChartTitle(name);
            grid = gridFreq;
        }
        const auto points = buildChartPoints(grid->texts(), base, subtotal);
        showGraph(this, title, points);
    });
}

void TfrmMain::btReportClick() {
    ReportInput in;
    in.personLine = personLine(edName->text(), edDOB->text(), Label10->text());
    in.incomeLine = label11->text();
    in.tables = {gridHours->texts(), gridMoney->texts(), gridFreq->texts()};
    for (int c = 0; c < kTableCols; ++c) in.columnWidths[c] = gridHours->columnWidth(c);
    if (!PrintDialog1) PrintDialog1 = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printReport(this, *PrintDialog1, in);
}

}  // namespace lt
