#pragma once
#include <QBrush>
#include <QWidget>
#include <memory>

#include "core/date_time.h"
#include "core/table_shape.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QPainter;
class QPrinter;

namespace lt {

class ActivityGrid;
class MaskedNumberField;

// The wizard window: six pages, Prev/Next, and all of the user's data.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    // `dataFolder` holds the settings file; empty means the executable's folder.
    explicit TfrmMain(const QString& dataFolder = QString(), QWidget* parent = nullptr);
    ~TfrmMain() override;

    QString settingsFilePath() const;

    // Controls, under their design names (tests and the page logic use them).
    QStackedWidget* Notebook1 = nullptr;
    QPushButton *btPrev = nullptr, *btNext = nullptr, *btAbout = nullptr, *btClose = nullptr;
    QLineEdit* edName = nullptr;
    QLineEdit* edDOB = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    MaskedNumberField* numIncome = nullptr;
    ActivityGrid *gridHours = nullptr, *gridMoney = nullptr, *gridFreq = nullptr;
    QPushButton *btSort1 = nullptr, *btAdd1 = nullptr, *btEdit1 = nullptr, *btDel1 = nullptr,
                *btClear = nullptr;
    QPushButton *btSort2 = nullptr, *btAdd2 = nullptr, *btEdit2 = nullptr, *btDel2 = nullptr,
                *btClear2 = nullptr;
    QPushButton *btSort3 = nullptr, *btAdd3 = nullptr, *btEdit3 = nullptr, *btDel3 = nullptr,
                *btClear3 = nullptr;
    QLabel *Label10 = nullptr, *label11 = nullptr;
    QPushButton* btReport = nullptr;
    QPushButton *btGrHour = nullptr, *btGrMoney = nullptr, *btGrFreq = nullptr;
    QMenu* PopupMenu1 = nullptr;
    // The printer chosen in the print dialog, kept so the next report starts from it.
    // Made on first use: setting up printing takes time that start-up need not spend.
    std::unique_ptr<QPrinter> PrintDialog1;

    DateTime dateOfBirth = 0;
    double hoursLived = 0;

    // Working routines.
    void ShowBirthDate();
    bool checkBioPage() const;
    void computeHourTotal(int row);
    void computeMoneyTotal(int row, bool moneyMode);
    void computeTotals();
    double computeSubTotal(const ActivityGrid* grid) const;
    void initGrids();
    void adjustColWidths();
    void readSettings();
    // Writes the settings file; throws SettingsWriteError when it cannot.
    void writeSettings();

public slots:
    void btPrevClick();
    void btNextClick();
    void btCloseClick();
    void btAboutClick();
    void SpeedButton1Click();
    void btAdd1Click();
    void btEdit1Click();
    void btAdd2Click();
    void btAdd3Click();
    void btEdit2Click();
    void btEdit3Click();
    void btDel1Click();
    void btDel2Click();
    void btDel3Click();
    void btClearClick();
    void btClear2Click();
    void btClear3Click();
    void btSort1Click();
    void ActivitySortClick();
    void StartDate1Click();
    void Total1Click();
    void btGrHourClick();
    void btGrMoneyClick();
    void btGrFreqClick();
    void btReportClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void edDOBExit();
    void AddButton(ActivityGrid* grid, bool moneyMode);
    void editButton(ActivityGrid* grid, bool moneyMode);
    void DeleteGrid(ActivityGrid* grid);
    void ClearGrid(ActivityGrid* grid);
    void gridHoursDrawCell(QPainter* p, int col, int row, const QRect& rect, bool selected);
    void gridMoneyDrawCell(ActivityGrid* grid, QPainter* p, int col, int row, const QRect& rect,
                           bool selected);
    void drawCell(ActivityGrid* grid, QPainter* p, int col, int row, const QRect& rect,
                  bool selected);
    void graphit(bool hours, bool money, bool freq);
    ActivityGrid* shownGrid() const;
    void sortShown(int kind);

    QWidget* buildIntroPage();
    QWidget* buildBioPage();
    QWidget* buildTablePage(int index);
    QWidget* buildResultsPage();

    QString dataFolder_;
    QBrush background_;  // the tiled picture behind the window and every page
    bool shown_ = false;
};

}  // namespace lt
