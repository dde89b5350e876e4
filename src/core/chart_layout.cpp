#include "core/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lt {

std::vector<double> sliceMidAngles(const std::vector<double>& values, double startAngle) {
    double total = 0;
    for (double v : values) total += v;
    std::vector<double> out;
    double before = 0;
    for (double v : values) {
        out.push_back(total > 0 ? startAngle + 360 * (before + v / 2) / total : startAngle);
        before += v;
    }
    return out;
}

int pieMarkColumns(int count, double markHeight, double areaHeight, double spacing) {
    int columns = 1;
    while (columns < count &&
           (count - 1) * (markHeight + spacing) / columns + markHeight > areaHeight)
        ++columns;
    return columns;
}

namespace {

// Distance from `p` to the segment from `a` to `b`.
double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0;
    const QPointF d = p - (a + t * ab);
    return std::hypot(d.x(), d.y());
}

struct SideMark {
    std::size_t index;
    QPointF edge;
    QPointF elbow;
};

void placeSide(std::vector<SideMark>& marks, bool right, const std::vector<QSizeF>& sizes,
               const PieMarkGeometry& pie, const QRectF& area, std::vector<PieMarkPlace>& out) {
    if (marks.empty()) return;
    std::stable_sort(marks.begin(), marks.end(), [](const SideMark& a, const SideMark& b) {
        return a.elbow.y() < b.elbow.y();
    });
    double height = 0, width = 0;
    for (const SideMark& m : marks) {
        height = std::max(height, sizes[m.index].height());
        width = std::max(width, sizes[m.index].width());
    }
    const int count = int(marks.size());
    const int columns = pieMarkColumns(count, height, area.height(), pie.spacing);
    // Neighbours sit in different columns, so a column's marks are `columns` slots apart.
    const double slot = (height + pie.spacing) / columns;

    std::vector<double> tops(marks.size());
    for (int j = 0; j < count; ++j) {
        const double wanted = marks[j].elbow.y() - height / 2;
        tops[j] = j == 0 ? std::max(wanted, area.top()) : std::max(wanted, tops[j - 1] + slot);
    }
    if (tops.back() + height > area.bottom()) {
        tops.back() = area.bottom() - height;
        for (int j = count - 2; j >= 0; --j) tops[j] = std::min(tops[j], tops[j + 1] - slot);
    }
    if (tops.front() < area.top()) {
        // More marks than the area holds: keep them apart and let the last ones overflow.
        tops.front() = area.top();
        for (int j = 1; j < count; ++j) tops[j] = std::max(tops[j], tops[j - 1] + slot);
    }

    const double sign = right ? 1 : -1;
    const double reach = pie.radius + pie.arm;
    const double bendX = pie.centre.x() + sign * (reach + pie.run / 2);
    const double nearX = pie.centre.x() + sign * (reach + pie.run);
    for (int j = 0; j < count; ++j) {
        const SideMark& m = marks[j];
        const QSizeF size = sizes[m.index];
        const double column = nearX + sign * (j % columns) * (width + pie.spacing);
        const double middle = tops[j] + height / 2;
        PieMarkPlace& place = out[m.index];
        place.right = right;
        place.rect = QRectF(right ? column : column - size.width(), middle - size.height() / 2,
                            size.width(), size.height());
        // Out along the slice's radius, then straight to the mark, or across to the bend
        // first where the straight way would cut the pie; a mark in an outer column is
        // reached along its own middle line, which runs between the marks of the inner
        // columns.
        const QPointF end(nearX - sign * 2, middle);
        place.arm = QPolygonF{m.edge, m.elbow};
        if (distanceToSegment(pie.centre, m.elbow, end) < pie.radius + 1)
            place.arm << QPointF(bendX, m.elbow.y());
        place.arm << end;
        if (j % columns != 0) place.arm << QPointF(column - sign * 2, middle);
    }
}

}  // namespace

std::vector<PieMarkPlace> layoutPieMarks(const std::vector<double>& midAngles,
                                         const std::vector<QSizeF>& sizes,
                                         const PieMarkGeometry& pie, const QRectF& area) {
    std::vector<PieMarkPlace> out(midAngles.size());
    std::vector<SideMark> left, right;
    for (std::size_t i = 0; i < midAngles.size() && i < sizes.size(); ++i) {
        const double a = midAngles[i] * std::numbers::pi / 180;
        const QPointF dir(std::sin(a), -std::cos(a));
        const SideMark m{i, pie.centre + pie.radius * dir,
                         pie.centre + (pie.radius + pie.arm) * dir};
        // Straight up counts as right, straight down as left.
        const bool onRight = dir.x() > 1e-9 || (std::abs(dir.x()) <= 1e-9 && dir.y() < 0);
        (onRight ? right : left).push_back(m);
    }
    placeSide(left, false, sizes, pie, area, out);
    placeSide(right, true, sizes, pie, area, out);
    return out;
}

int legendColumns(int count, double rowHeight, double maxHeight) {
    if (count <= 0 || rowHeight <= 0) return 1;
    const int rows = std::max(1, int(std::floor(maxHeight / rowHeight)));
    return (count + rows - 1) / rows;
}

ImageFormat imageFormatFor(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive) ? ImageFormat::Svg
                                                                          : ImageFormat::Png;
}

QSize savedImageSize(const QSizeF& shown) {
    if (shown.width() <= 0 || shown.height() <= 0) return QSize(1600, 1000);
    const double scale = std::max({1.0, 1600 / shown.width(), 1000 / shown.height()});
    return QSize(int(std::ceil(shown.width() * scale - 1e-9)),
                 int(std::ceil(shown.height() * scale - 1e-9)));
}

}  // namespace lt
