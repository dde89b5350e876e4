#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

namespace lt {

// The first page: the title with its extruded shadow, the psalm lines, the two
// lines about the program and the credit line.
class IntroPage : public QWidget {
    Q_OBJECT
public:
    explicit IntroPage(QWidget* parent = nullptr);
    // As wide as its widest line.
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The two lines about the program, drawn and also given to screen readers.
    static QString question();
    static QString promise();
    // A centred line under the title: its top, from the page's foot when negative.
    struct Line {
        QString text;
        QFont font;
        QColor colour;
        int top;
    };
    static std::vector<Line> lines();
};

}  // namespace lt
