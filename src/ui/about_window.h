#pragma once
#include <QDialog>
#include <QString>
#include <QTimer>

class QLabel;
class QPushButton;

namespace lt {

// One line of text running from right to left along a strip, over and over.
class ScrollingLine : public QWidget {
    Q_OBJECT
public:
    ScrollingLine(const QString& text, QWidget* parent = nullptr);
    QString text() const { return text_; }
    // Left edge of the text, relative to the strip.
    int offset() const { return offset_; }
    // Moves the text one step left; it comes back in from the right once it has gone.
    void step();
    // Puts the text back just beyond the right edge.
    void rewind();
    bool isRunning() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString text_;
    int offset_;
    QTimer timer_;
};

// The about box: what the program is, who made it, and a way to the maker's home page.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* owner = nullptr);

private slots:
    void btWebClick();

private:
    QWidget* EsGradient1;
    QWidget* Panel1;
    QLabel* ProductName;
    QLabel* Label4;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label7;
    QLabel* Label5;
    QPushButton* OKButton;
    QPushButton* btWeb;
    ScrollingLine* EsScrollingMarquee1;
};

// "&About": creates the box for `owner`, runs it modally and destroys it.
void showAboutBox(QWidget* owner);

}  // namespace lt
