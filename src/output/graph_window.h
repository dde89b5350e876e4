#pragma once
#include <QDialog>
// Complete, so that seriesPoints() takes the bar series as the bar series it is.
#include <QHorizontalStackedBarSeries>
#include <memory>
#include <vector>

#include "core/chart_layout.h"
#include "core/chart_points.h"
#include "output/chart_legend.h"
#include "output/chart_scene.h"
#include "output/chart_texts.h"
#include "output/pie_marks.h"

class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QPieSeries;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTimer;

namespace lt {

// The chart window: one table's points as a pie or as horizontal bars.
class TfrmGraph : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGraph(QWidget* owner = nullptr);
    ~TfrmGraph() override;

    // The chart control's operations.
    void setTitle(const QString& title);  // replaces the title lines
    // The table charted, which names a saved image.
    void setTable(TableKind table) { table_ = table; }
    QString title() const { return scene_->title(); }
    void clearSeries();  // empties both series
    void addPoint(const ChartPoint& point);
    // Empties both series and adds `points` to each, in order.
    void setPoints(const std::vector<ChartPoint>& points);
    void deletePoint(int index);  // from both series; later points move down
    bool pieActive() const;
    bool barActive() const;
    // The start angle becomes (angle + degrees) mod 360; false (and no change) for
    // degrees outside 0 to 360.
    bool rotatePie(int degrees);
    qreal pieAngle() const { return scene_->pieAngle(); }
    // Prints the chart alone on one landscape page within 5% margins, then puts the
    // printer's orientation back. False when the printer could not be used.
    bool printChart(QPrinter& printer);
    // The chart as shown, as the bytes of an image file of `format`.
    QByteArray imageBytes(ImageFormat format);

    ChartScene* scene() const { return scene_; }
    QChart* chart() const { return scene_->chart(); }
    ChartLegend* legend() const { return scene_->legend(); }
    QGraphicsSimpleTextItem* footer() const { return scene_->footer(); }
    ChartTexts* titleItem() const { return scene_->titleTexts(); }
    PieMarks* pieMarks() const { return scene_->pieMarks(); }
    // The printer the print dialog works on; it keeps its settings while the window lives.
    QPrinter& printer();

    // Controls, under their design names.
    QChartView* Chart1 = nullptr;
    QPieSeries* Series1 = nullptr;
    QHorizontalStackedBarSeries* Series2 = nullptr;
    QWidget* Panel1 = nullptr;
    QRadioButton* rbPie = nullptr;
    QRadioButton* rbBar = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* btSaveImage = nullptr;
    QPushButton* btPreview = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btClose = nullptr;
    QTimer* Timer1 = nullptr;

    // Points each series still holds; set when the window is shown.
    int visiblePoints = 0;

public slots:
    void FormShow();
    void rbPieClick();
    void rbBarClick();
    void Chart1Click();
    void Timer1Timer();
    void SpeedButton1Click();
    void Panel1Resize();
    void btPreviewClick();
    void btPrintClick();
    void btSaveImageClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setPieActive(bool active);
    void describe();

    ChartScene* scene_ = nullptr;
    TableKind table_ = TableKind::Hours;
    std::unique_ptr<QPrinter> printer_;
};

// Builds the chart window for `points` of `table` with `owner` as owner, shows it
// modally and maximised, and destroys it when it closes.
void showGraph(QWidget* owner, const QString& title, const std::vector<ChartPoint>& points,
               TableKind table);

}  // namespace lt
