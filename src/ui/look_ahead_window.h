#pragma once
#include <QDate>
#include <QDialog>
#include <array>

#include "core/look_ahead.h"

class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace lt {

// What the Look ahead window works from, handed over when it is made.
struct LookAheadInput {
    QString name;
    QDate birth;
    std::array<ActivityTable, 3> tables;  // by tableIndex()
};

// The Look ahead window: an age, the hours lived by that birthday, and the three tables
// looked ahead to it, one tab each, with their chart and their CSV.
class TfrmLookAhead : public QDialog {
    Q_OBJECT
public:
    // Starts at `age`, one the refusal lets through. Throws ConversionError when a row
    // does not convert.
    TfrmLookAhead(QWidget* owner, LookAheadInput input, int age);
    ~TfrmLookAhead() override;

    // The age shown.
    int age() const { return look_.age; }
    const LookAhead& look() const { return look_; }

    QLabel* lblAge = nullptr;
    QSpinBox* numAge = nullptr;
    QLabel* lblLine = nullptr;
    QTabWidget* tabTables = nullptr;
    std::array<QTableWidget*, 3> grids{};  // by tableIndex()
    QPushButton* btChart = nullptr;
    QPushButton* btCsv = nullptr;
    QPushButton* btTimeline = nullptr;
    QPushButton* btClose = nullptr;

private:
    // A new age from the spin box: refused with a message when already reached.
    void numAgeChange(int age);
    // Takes in the age as the box shows it, typed but not yet entered, before anything
    // acts on the window's age; false when that age is refused.
    bool takeTypedAge();
    void showLook();
    void btChartClick();
    void btCsvClick();
    void btTimelineClick();

    LookAheadInput input_;
    LookAhead look_;
    bool refused_ = false;  // the last age from the box was refused
};

// Shows the Look ahead window modally over `owner`, starting at `age`, and returns the
// age it showed when it closed. Throws ConversionError, before anything is shown, when
// a row does not convert.
int showLookAhead(QWidget* owner, const LookAheadInput& input, int age);

}  // namespace lt
