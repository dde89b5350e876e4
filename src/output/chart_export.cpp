#include "output/chart_export.h"

#include <QBuffer>
#include <QChart>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "output/chart_scene.h"
#include "output/host.h"

namespace lt {

QByteArray paintedImageBytes(ImageFormat format, const QSize& pixels, const QString& title,
                             const QString& description,
                             const std::function<void(QPainter&)>& paint) {
    const QRectF target(QPointF(0, 0), QSizeF(pixels));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (format == ImageFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(pixels);
        svg.setViewBox(target);
        // The generator writes its title and description unescaped; they are put in after.
        {
            QPainter painter(&svg);
            painter.setRenderHint(QPainter::Antialiasing);
            paint(painter);
        }
        buffer.close();
        return svgTitled(svgSizedInPixels(bytes, pixels), title, description);
    }
    QImage image(pixels, QImage::Format_RGB32);
    // A picture too large to hold in memory is refused whole, not written in part.
    if (image.isNull()) return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        paint(painter);
    }
    // Nothing is written when the image cannot be made: empty bytes are refused.
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
}

QByteArray chartImageBytes(ChartScene& chart, ImageFormat format, const QSizeF& size) {
    const QSize pixels = savedImageSize(size);
    return paintedImageBytes(format, pixels, chart.title(), chartDescription(chart.shownPoints()),
                             [&](QPainter& painter) {
                                 chart.draw(painter, QRectF(QPointF(0, 0), QSizeF(pixels)), size);
                             });
}

bool saveChartImage(const QString& path, const QString& title,
                    const std::vector<ChartPoint>& points, bool bars, QWidget* parent) {
    ChartScene chart;
    chart.setTitle(title);
    chart.setPoints(points);
    chart.setPieActive(!bars);
    chart.chart()->resize(kExportedChartSize);
    // The series finish their geometry in posted events.
    QCoreApplication::sendPostedEvents();
    chart.settle();
    return host().saveFileBytes(
        path, chartImageBytes(chart, imageFormatFor(path), kExportedChartSize), parent);
}

}  // namespace lt
