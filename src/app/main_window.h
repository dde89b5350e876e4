#pragma once
#include <QBrush>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/activity.h"
#include "core/date_time.h"
#include "core/report_lines.h"
#include "core/table_shape.h"
#include "ui/settings_keeper.h"

class QMenu;
class QPushButton;
class QStackedWidget;

namespace lt {

class BioPage;
class ReportPrinter;
class ResultsPage;
class TablePage;

// The wizard window (the design's TfrmMain): six pages, Prev/Next, and all of the
// user's data, read from the settings file at start-up and written back on Close.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // `settingsFile` is read at start-up and written on Close. Empty means the usual
    // place (locateSettingsFile).
    explicit TfrmMain(const QString& settingsFile = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    QString settingsFilePath() const;
    // From the birth date as last taken in from the Bio page.
    DateTime dateOfBirth() const { return dateOfBirth_; }
    double hoursLived() const { return hoursLived_; }
    // Makes the pages not made yet; start-up leaves them until the Intro page is painted.
    void buildPages();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    // Sets every control's enabled state for the page shown.
    void updateInterface();
    void showPage(int index);
    // Sizes the window to its pages and places the buttons under them.
    void fitFrame();

    void btNextClick();
    void btPrevClick();
    void btCloseClick();
    bool checkBioPage() const;
    void ShowBirthDate();
    void pickBirthDate();

    void computeRowTotal(TablePage* page, int row);
    void computeTotals();
    TablePage* shownTablePage() const;
    void graphit(TableKind kind);
    // The report as the tables and lines stand.
    // The three tables' rows, in their described order.
    std::array<ActivityTable, 3> activityTables() const;
    ReportInput reportInput() const;
    // Null once the failure to load the outputs has been shown.
    ReportPrinter* printer();
    void printReport();
    void previewReport();
    void saveReportPdf();
    void exportTablesCsv();
    void lookAhead();
    void timeline();
    // Runs `show` with the birth date and the age to look ahead to, or says why there is none.
    void withAgeAhead(const std::function<void(const QDate& birth, int age)>& show);

    std::array<QPushButton*, 4> frameButtons_{};
    SettingsKeeper settings_;
    QBrush background_;  // the tiled picture behind the window and every page
    bool shown_ = false;
    bool started_ = false;  // the settings file read
    DateTime dateOfBirth_ = 0;
    double hoursLived_ = 0;
    int lookAheadAge_ = 0;  // as the settings file keeps it; 0 for none
    // A stored income the income field cannot show, and what it shows instead: Close
    // writes the stored one back while the field still shows that.
    std::optional<qint64> keptIncome_;
    double shownIncome_ = 0;

    QStackedWidget* pages_ = nullptr;
    BioPage* bio_ = nullptr;
    std::array<TablePage*, 3> tables_{};  // by tableIndex(), the order of the descriptions
    ResultsPage* results_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    QMenu* sortMenu_ = nullptr;
    // The printer chosen in the print dialog, kept so the next report starts from it.
    // Made on first use, with the outputs library.
    std::unique_ptr<ReportPrinter> printer_;
};

}  // namespace lt
