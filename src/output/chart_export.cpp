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

QByteArray chartImageBytes(ChartScene& chart, ImageFormat format, const QSizeF& size) {
    const QSize pixels = savedImageSize(size);
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
            chart.draw(painter, target, size);
        }
        buffer.close();
        return svgTitled(svgSizedInPixels(bytes, pixels), chart.title(),
                         chartDescription(chart.shownPoints()));
    }
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        chart.draw(painter, target, size);
    }
    // Nothing is written when the image cannot be made: empty bytes are refused.
    if (!image.save(&buffer, "PNG")) return {};
    return bytes;
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
