#pragma once
#include <QBrush>
#include <QWidget>

#include "core/table_shape.h"

class QLabel;
class QPushButton;

namespace lt {

// The Results page: the age and income lines, the report's buttons (print, preview,
// PDF) and the tables' CSV, and a chart button per table. Its controls are made when first needed;
// until then it keeps the lines.
class ResultsPage : public QWidget {
    Q_OBJECT
public:
    explicit ResultsPage(const QBrush& background, QWidget* parent = nullptr);
    void ensureBuilt();

    QString ageText() const;
    QString incomeText() const;
    void setLines(const QString& age, const QString& income);
    void setChartEnabled(TableKind kind, bool enabled);

signals:
    void reportClicked();
    void previewClicked();
    void pdfClicked();
    void csvClicked();
    void chartClicked(TableKind kind);
    void lookAheadClicked();
    void timelineClicked();

private:
    QBrush background_;
    QString age_ = QStringLiteral("You are: xx Years, xx Months, xx Days old"), income_;
    QLabel* ageLabel_ = nullptr;
    QLabel* incomeLabel_ = nullptr;
    QPushButton* chartButtons_[3] = {};
};

}  // namespace lt
