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

private:
    // The two lines about the program, drawn and also given to screen readers.
    static QString question();
    static QString promise();
};

}  // namespace lt
