#include "app/main_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTimer>
#include <algorithm>

#include "app/bio_page.h"
#include "app/intro_page.h"
#include "app/results_page.h"
#include "core/chart_points.h"
#include "core/clock.h"
#include "core/conversion.h"
#include "core/csv_export.h"
#include "core/export_names.h"
#include "core/locale_format.h"
#include "core/look_ahead.h"
#include "core/session.h"
#include "core/settings_file.h"
#include "core/settings_location.h"
#include "core/table_description.h"
#include "core/totals.h"
#include "ui/about_window.h"
#include "ui/activity_grid.h"
#include "ui/designed_palette.h"
#include "ui/look.h"
#include "ui/look_ahead_window.h"
#include "ui/masked_field.h"
#include "ui/message_boxes.h"
#include "ui/outputs.h"
#include "ui/pick_date_window.h"
#include "ui/resources.h"
#include "ui/save_dialog.h"
#include "ui/settings_keeper.h"
#include "ui/table_page.h"
#include "ui/text_room.h"

namespace lt {
namespace {
constexpr int kBioPage = 1;
constexpr int kLastPage = 5;
// Page index of the first table page; the tables follow in their described order.
constexpr int kFirstTablePage = 2;
}  // namespace

TfrmMain::TfrmMain(const QString& settingsFile, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      settings_(settingsFile.isEmpty() ? locateSettingsFile() : settingsFile) {
    applyDesignedPalette(this);
    setWindowTitle(QStringLiteral("Lifetally"));
    setFixedSize(623, 419);
    background_ = QBrush(pngPixmap(QStringLiteral(":/background.png")));
    tile(this, background_);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("Notebook1"));
    pages_->setGeometry(16, 8, 590, 361);
    auto* intro = new IntroPage;
    tile(intro, background_);
    pages_->addWidget(intro);
    bio_ = new BioPage(background_);
    pages_->addWidget(bio_);
    connect(bio_, &BioPage::birthDateLeft, this, &TfrmMain::ShowBirthDate);
    connect(bio_, &BioPage::calendarClicked, this, &TfrmMain::pickBirthDate);
    for (const TableDescription& desc : tableDescriptions()) {
        auto* page = new TablePage(desc, background_);
        tables_[size_t(tableIndex(desc.kind))] = page;
        pages_->addWidget(page);
        page->setEditContext([this] {
            return EditContext{this, dateOfBirth_, bio_->birthDateText()};
        });
        connect(page, &TablePage::rowWritten, this,
                [this, page](int row) { guarded(this, [&] { computeRowTotal(page, row); }); });
        connect(page, &TablePage::sortRequested, this, [this] {
            // The hours table's place (left 8, top 49, 577 x 263 inside its page) is used
            // on every page, so the menu opens at the same point whichever page is shown.
            sortMenu_->popup(mapToGlobal(QPoint(8 + 577 - 300, 49 + 263 - 100)));
        });
    }
    results_ = new ResultsPage(background_);
    pages_->addWidget(results_);
    connect(results_, &ResultsPage::reportClicked, this, &TfrmMain::printReport);
    connect(results_, &ResultsPage::previewClicked, this, &TfrmMain::previewReport);
    connect(results_, &ResultsPage::pdfClicked, this, &TfrmMain::saveReportPdf);
    connect(results_, &ResultsPage::csvClicked, this, &TfrmMain::exportTablesCsv);
    connect(results_, &ResultsPage::chartClicked, this, &TfrmMain::graphit);
    connect(results_, &ResultsPage::lookAheadClicked, this, &TfrmMain::lookAhead);
    connect(results_, &ResultsPage::timelineClicked, this, &TfrmMain::timeline);

    //: The wizard's button back to the previous page.
    prev_ = new QPushButton(tr("<<&Prev"), this);
    //: The wizard's button on to the next page.
    next_ = new QPushButton(tr("&Next>>"), this);
    auto* about = new QPushButton(tr("&About"), this);
    //: Saves everything and ends the program.
    auto* close = new QPushButton(tr("Close"), this);
    for (QPushButton* b : {prev_, next_, about, close}) b->resize(75, 25);
    frameButtons_ = {prev_, next_, about, close};
    prev_->setObjectName(QStringLiteral("btPrev"));
    next_->setObjectName(QStringLiteral("btNext"));
    about->setObjectName(QStringLiteral("btAbout"));
    close->setObjectName(QStringLiteral("btClose"));
    connect(prev_, &QPushButton::clicked, this, &TfrmMain::btPrevClick);
    connect(next_, &QPushButton::clicked, this, &TfrmMain::btNextClick);
    connect(about, &QPushButton::clicked, this, [this] { showAboutBox(this); });
    connect(close, &QPushButton::clicked, this, &TfrmMain::btCloseClick);

    sortMenu_ = new QMenu(this);
    sortMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    const struct {
        const char* text;
        const char* name;
        SortKey key;
    } sorts[] = {{QT_TR_NOOP("Sort by activity"), "ActivitySort", SortKey::Activity},
                 {QT_TR_NOOP("Sort by start date"), "StartDate1", SortKey::StartDate},
                 {QT_TR_NOOP("Sort by total"), "Total1", SortKey::Total}};
    for (const auto& s : sorts) {
        const SortKey key = s.key;
        sortMenu_
            ->addAction(tr(s.text), this,
                        [this, key] {
                            if (TablePage* page = shownTablePage()) page->sort(key);
                        })
            ->setObjectName(QLatin1String(s.name));
    }

    bio_->setBirthDateText(loc::formatDate(today()));
    // The pages not shown yet are made once the Intro page has been painted.
    intro->installEventFilter(this);
}

void TfrmMain::buildPages() {
    bio_->ensureBuilt();
    for (TablePage* page : tables_) page->ensureBuilt();
    results_->ensureBuilt();
    fitFrame();
}

void TfrmMain::fitFrame() {
    // The pages as large as the longest texts of the pages made so far need, the
    // buttons in a row under them at the right; at least the designed 623 x 419.
    constexpr int kMargin = 16, kSpacing = 8, kButtonsBelow = 50;
    // The pages not shown are laid out by the stack only when shown; they are arranged
    // at the size they will have.
    for (int i = 0; i < pages_->count(); ++i) pages_->widget(i)->resize(pages_->size());
    const QSize pages = arrangeForTexts(pages_).expandedTo(QSize(590, 361));
    int row = -kSpacing;
    for (QPushButton* b : frameButtons_) {
        b->resize(textNeed(b).width(), b->height());
        row += b->width() + kSpacing;
    }
    const int width = std::max({623, kMargin + pages.width() + kMargin + 1, row + 2 * kMargin});
    const int height = std::max(419, 8 + pages.height() + kButtonsBelow);
    pages_->setGeometry(kMargin, 8, width - 2 * kMargin - 1, height - 8 - kButtonsBelow);
    int x = width - kMargin - row;
    for (QPushButton* b : frameButtons_) {
        b->move(x, height - 37);
        x += b->width() + kSpacing;
    }
    // Pages made after the window is shown may make it grow: it stays centred.
    if (isVisible() && size() != QSize(width, height))
        move(pos() - QPoint(width - this->width(), height - this->height()) / 2);
    setFixedSize(width, height);
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched == pages_->widget(0)) {
        // Soon after, not at once: the first picture reaches the screen before any of
        // this work. A Next before then makes its own page.
        watched->removeEventFilter(this);
        QTimer::singleShot(100, this, &TfrmMain::buildPages);
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmMain::showPage(int index) {
    if (auto* bio = qobject_cast<BioPage*>(pages_->widget(index))) bio->ensureBuilt();
    if (auto* table = qobject_cast<TablePage*>(pages_->widget(index))) table->ensureBuilt();
    if (index == kLastPage) results_->ensureBuilt();
    fitFrame();
    pages_->setCurrentIndex(index);
}

TfrmMain::~TfrmMain() {
    // Closing the window moves the focus, and a field left then would call back into a
    // window that is already half gone.
    for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

QString TfrmMain::settingsFilePath() const { return settings_.path(); }

// ---- start-up and shut-down -------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    centreOnScreen(this);
    // Read and worked out once the window is on screen: the Intro page shows none of it,
    // and a button pressed before then does it first. The window system gets the window
    // before that work: its requests would otherwise wait in the queue behind it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            QGuiApplication::sync();
            FormShow();
        },
        Qt::QueuedConnection);
}

void TfrmMain::FormShow() {
    if (started_) return;
    started_ = true;
    // Measuring the texts loads the fonts, which would cost more than all the rest before
    // the map: the window maps at its designed size and takes what its texts need at once
    // after, before its first paint.
    fitFrame();
    // The settings file read and every total worked out as the exports do; the pages
    // keep what they are given until they are made. A file that cannot be read is said,
    // and the window opens on the defaults; Close then asks before it writes over it.
    const StoredSettings stored = settings_.read();
    lookAheadAge_ = stored.lookAheadAge;
    const Session s = openSession(stored, nowDateTime());
    if (!s.incomeNote.isEmpty()) keptIncome_ = stored.income;
    shownIncome_ = s.income;
    bio_->setName(s.name);
    bio_->setBirthDateText(s.birthDateText);
    bio_->setIncome(s.income);
    dateOfBirth_ = s.dateOfBirth;
    hoursLived_ = s.hoursLived;
    for (size_t t = 0; t < tables_.size(); ++t) tables_[t]->setActivities(s.tables[t]);
    results_->setLines(s.ageLine, s.incomeLine);
    // A stored birth date that does not parse is reported once; the Intro page still
    // shows and the user can put the date right on the Bio page.
    if (!settings_.readError().isEmpty()) reportDefaultError(settings_.readError(), this);
    if (!s.errors.isEmpty()) reportDefaultError(s.errors.first(), this);
    if (!s.incomeNote.isEmpty()) reportDefaultError(s.incomeNote, this);
    if (!settings_.lockWarning().isEmpty()) reportDefaultError(settings_.lockWarning(), this);
    showPage(0);
    updateInterface();
}

void TfrmMain::btCloseClick() {
    FormShow();
    const bool incomeKept = keptIncome_ && bio_->income() == shownIncome_;
    StoredSettings s = storedSettingsOf(
        bio_->name(), bio_->birthDateText(),
        incomeKept ? *keptIncome_ : static_cast<qint64>(bio_->income()), activityTables());
    s.lookAheadAge = lookAheadAge_;
    // No, or a failed write, keeps the window open with everything entered.
    if (settings_.write(s, this)) close();
}

// ---- wizard -------------------------------------------------------------------

void TfrmMain::updateInterface() {
    const int page = pages_->currentIndex();
    prev_->setEnabled(page > 0);
    next_->setEnabled(page < kLastPage);
    // Only the tables with a first row can be charted.
    if (page == kLastPage)
        for (const TablePage* t : tables_)
            results_->setChartEnabled(t->description().kind, hasRowsToChart(t->activities()));
}

void TfrmMain::btNextClick() {
    FormShow();
    // Alt+N clicks without moving the focus; move it as a mouse click does, so that the
    // field being typed in takes its entry in (income, birth date) before anything is read.
    next_->setFocus(Qt::ShortcutFocusReason);
    const int p = pages_->currentIndex();
    // A refused birth date keeps the page. A row that does not convert (only from a
    // hand-edited file) is reported and the page still changes: every Next computes all
    // three tables, so staying would keep the user from ever reaching the row to mend it.
    if (p == kBioPage && !checkBioPage()) {
        showError(tr("Your birthdate is mandatory to proceed to the next step."), this);
        return;
    }
    // Leaving the Bio page or the last two tables brings every total up to date.
    if (p == kBioPage || p == 3 || p == 4) guarded(this, [this] { computeTotals(); });
    if (p < kLastPage) showPage(p + 1);
    updateInterface();
}

void TfrmMain::btPrevClick() {
    FormShow();
    if (pages_->currentIndex() > 0) showPage(pages_->currentIndex() - 1);
    updateInterface();
}

bool TfrmMain::checkBioPage() const {
    const QString text = bio_->birthDateText();
    return !text.isEmpty() && loc::parseDate(text).has_value();
}

void TfrmMain::ShowBirthDate() {
    const auto birth = loc::parseDate(bio_->birthDateText());
    if (!birth) return;
    dateOfBirth_ = toDateTime(*birth);
    hoursLived_ = computedatediff(nowDateTime(), dateOfBirth_).totalHours;
}

void TfrmMain::pickBirthDate() {
    guarded(this, [this] {
        QLineEdit* field = bio_->birthDateEdit();
        const DateTime initial =
            readAt(birthDatePlace(), [field] { return toDateTime(strToDate(field->text())); });
        const DateTime chosen = pickDate(field, initial, dateOfBirth_);
        field->setText(loc::formatDate(dateOf(chosen)));
        field->setFocus();
        ShowBirthDate();
    });
}

// ---- totals -------------------------------------------------------------------

void TfrmMain::computeRowTotal(TablePage* page, int row) {
    const TableKind kind = page->description().kind;
    const double base = kind == TableKind::Hours ? hoursLived_ : bio_->income();
    page->setTotal(row, activityTotal(page->activities()[size_t(row - 1)], base, nowDateTime()));
}

void TfrmMain::computeTotals() {
    const DateTime now = nowDateTime();
    results_->setLines(ageLine(bio_->birthDateText(), now), incomeLine(bio_->incomeText()));
    for (TablePage* page : tables_) {
        const TableKind kind = page->description().kind;
        ActivityTable table = page->activities();
        // The rows done before a row that does not convert keep their new totals.
        const auto done = qScopeGuard([&] { page->setActivities(table); });
        computeTableTotals(table, kind == TableKind::Hours ? hoursLived_ : bio_->income(), now);
    }
}

TablePage* TfrmMain::shownTablePage() const {
    const int i = pages_->currentIndex() - kFirstTablePage;
    return i >= 0 && i < int(tables_.size()) ? tables_[size_t(i)] : nullptr;
}

// ---- output ---------------------------------------------------------------------

void TfrmMain::graphit(TableKind kind) {
    guarded(this, [&] {
        initAColors(true, 0xFF0000);
        const TableChart chart = tableChart(
            kind, bio_->name(), results_->ageText(), results_->incomeText(),
            tables_[size_t(tableIndex(kind))]->activities(), hoursLived_, bio_->income());
        if (Outputs* out = outputsOrError(this))
            out->showGraph(this, chart.title, chart.points, kind);
    });
}

std::array<ActivityTable, 3> TfrmMain::activityTables() const {
    std::array<ActivityTable, 3> tables;
    for (size_t t = 0; t < tables_.size(); ++t) tables[t] = tables_[t]->activities();
    return tables;
}

ReportInput TfrmMain::reportInput() const {
    return reportOf(bio_->name(), bio_->birthDateText(), results_->ageText(),
                    results_->incomeText(), activityTables());
}

ReportPrinter* TfrmMain::printer() {
    if (!printer_)
        if (Outputs* out = outputsOrError(this)) printer_ = out->reportPrinter();
    return printer_.get();
}

void TfrmMain::printReport() {
    if (ReportPrinter* p = printer()) p->print(this, reportInput(), now());
}

void TfrmMain::previewReport() {
    if (ReportPrinter* p = printer()) p->preview(this, reportInput(), now());
}

void TfrmMain::saveReportPdf() {
    const QString path = askExportPath(this, tr("Save report as PDF"), reportFileName(),
                                       {{tr("PDF files"), QStringLiteral("pdf")}});
    if (path.isEmpty()) return;
    if (Outputs* out = outputsOrError(this))
        out->saveReportPdf(path, reportInput(), {reportPaper(systemPaperSources()), now()}, this);
}

void TfrmMain::exportTablesCsv() {
    guarded(this, [this] {
        // Built first: a row that does not convert is reported before a file is asked for.
        const QByteArray csv =
            tablesCsv(activityTables(), hoursLived_, bio_->income(), nowDateTime());
        const QString path = askExportPath(this, tr("Export tables as CSV"), tablesFileName(),
                                           {{tr("CSV files"), QStringLiteral("csv")}});
        if (!path.isEmpty()) saveFileBytes(path, csv, this);
    });
}

void TfrmMain::withAgeAhead(const std::function<void(const QDate& birth, int age)>& show) {
    guarded(this, [&] {
        const QDate birth = strToDate(bio_->birthDateText());
        const QDate day = today();
        // Someone who has reached the oldest age offered has nothing ahead to show.
        const QString refusal = lookAheadRefusal(kLookAheadOldestAge, birth, day);
        if (!refusal.isEmpty()) {
            showError(refusal, this);
            return;
        }
        show(birth, lookAheadStartAge(lookAheadAge_, birth, day));
    });
}

void TfrmMain::lookAhead() {
    withAgeAhead([this](const QDate& birth, int age) {
        lookAheadAge_ = showLookAhead(this, {bio_->name(), birth, activityTables()}, age);
    });
}

void TfrmMain::timeline() {
    // To the age chosen in Look ahead, or 80.
    withAgeAhead([this](const QDate& birth, int age) {
        const TimelineInput input =
            timelineOf(bio_->name(), activityTables(), birth, age, nowDateTime());
        if (Outputs* out = outputsOrError(this)) out->showTimeline(this, input);
    });
}

}  // namespace lt
