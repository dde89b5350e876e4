#pragma once
#include <QDialog>
#include <QWidget>
#include <memory>

#include "core/timeline_layout.h"

class QPrinter;
class QPushButton;
class QScrollArea;

namespace lt {

// The picture in the window: laid out at the width shown, and as tall as its bands need,
// which the window scrolls.
class TimelineCanvas : public QWidget {
    Q_OBJECT
public:
    TimelineCanvas(const TimelineInput& input, QWidget* parent);
    const TimelineInput& input() const { return input_; }
    const TimelineLayout& layout() const { return layout_; }
    // Lays the picture out for `size`: its width, and at least its height.
    void relayout(const QSizeF& size);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const TimelineInput& input_;
    TimelineLayout layout_;
};

// The Timeline window: the activities from birth to the chosen age, with Print, Preview
// and Save image.
class TfrmTimeline : public QDialog {
    Q_OBJECT
public:
    TfrmTimeline(QWidget* owner, TimelineInput input);
    ~TfrmTimeline() override;

    bool printTimeline(QPrinter& printer);
    // The picture as shown, as the bytes of an image file of `format`.
    QByteArray imageBytes(ImageFormat format) const;
    QPrinter& printer();

    QScrollArea* scrTimeline = nullptr;
    TimelineCanvas* canvas = nullptr;
    QPushButton* btSaveImage = nullptr;
    QPushButton* btPreview = nullptr;
    QPushButton* btPrint = nullptr;
    QPushButton* btClose = nullptr;

    void btPreviewClick();
    void btPrintClick();
    void btSaveImageClick();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitCanvas();

    TimelineInput input_;
    std::unique_ptr<QPrinter> printer_;
};

// Builds the Timeline window for `input` over `owner`, shows it modally and maximised, and
// destroys it when it closes.
void showTimeline(QWidget* owner, const TimelineInput& input);

}  // namespace lt
