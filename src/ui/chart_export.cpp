#include "ui/chart_export.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QSvgGenerator>

#include "ui/graph_window.h"
#include "ui/report_export.h"

namespace lt {
namespace {
// Lays the window's chart out at kExportedChartSize and draws it into `device`'s
// `target` rectangle. The window itself is never shown.
void renderChart(QPainter& painter, const QRectF& target, const QString& title,
                 const std::vector<ChartPoint>& points, bool bars) {
    TfrmGraph frm;
    frm.setTitle(title);
    frm.setPoints(points);
    if (bars)
        frm.rbBarClick();
    else
        frm.rbPieClick();
    frm.chart()->resize(kExportedChartSize);
    // The chart finishes its layout in posted events.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    frm.Chart1->scene()->render(&painter, target, frm.chart()->geometry(), Qt::KeepAspectRatio);
}
}  // namespace

QImage chartImage(const QString& title, const std::vector<ChartPoint>& points, bool bars) {
    QImage image(kExportedChartSize * 2, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderChart(painter, QRectF(image.rect()), title, points, bars);
    painter.end();
    return image;
}

bool saveChartImage(const QString& path, const QString& title,
                    const std::vector<ChartPoint>& points, bool bars, QWidget* parent) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(kExportedChartSize);
        svg.setViewBox(QRect(QPoint(0, 0), kExportedChartSize));
        svg.setTitle(title);
        svg.setDescription(QStringLiteral("Lifetally chart"));
        QPainter painter(&svg);
        renderChart(painter, QRectF(QPointF(0, 0), kExportedChartSize), title, points, bars);
        painter.end();
    } else {
        chartImage(title, points, bars).save(&buffer, "PNG");
    }
    return saveFileBytes(path, bytes, parent);
}

}  // namespace lt
