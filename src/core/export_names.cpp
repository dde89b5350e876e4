#include "core/export_names.h"

#include "core/table_description.h"

namespace lt {

QString reportFileName() { return QStringLiteral("lifetally-report.pdf"); }

QString tablesFileName() { return QStringLiteral("lifetally-tables.csv"); }

QString lookAheadFileName() { return QStringLiteral("lifetally-look-ahead.csv"); }

QString timelineFileName(int age, ImageFormat format) {
    return QStringLiteral("lifetally-timeline-%1.%2")
        .arg(QString::number(age),
             format == ImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png"));
}

QString chartFileName(TableKind kind, bool bars, ImageFormat format) {
    return QStringLiteral("lifetally-%1-%2.%3")
        .arg(QLatin1String(tableDescription(kind).word),
             bars ? QStringLiteral("bar") : QStringLiteral("pie"),
             format == ImageFormat::Svg ? QStringLiteral("svg") : QStringLiteral("png"));
}

QString fileNameEndingRefusal(const QString& what, const QStringList& suffixes) {
    QStringList endings;
    for (const QString& s : suffixes) endings << u'.' + s;
    const QString last = endings.takeLast();
    const QString all = endings.isEmpty()
                            ? last
                            : endings.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
    return QStringLiteral("The %1 name must end in %2.").arg(what, all);
}

}  // namespace lt
