#pragma once
#include <QWidget>

namespace lt {

// The first page: the title with its extruded shadow, the psalm lines, the two
// lines about the program and the credit line.
class IntroPage : public QWidget {
    Q_OBJECT
public:
    explicit IntroPage(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lt
