#include "core/export_names.h"

#include <QCoreApplication>

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

QString fileNameEndingRefusal(NamedFile file, const QStringList& suffixes) {
    QStringList endings;
    for (const QString& s : suffixes) endings << u'.' + s;
    const QString last = endings.takeLast();
    const QString all = endings.isEmpty() ? last
                                          //: A list's last two items, as in ".png or .svg".
                                          : QCoreApplication::translate("FileNames", "%1 or %2")
                                                .arg(endings.join(QStringLiteral(", ")), last);
    switch (file) {
        case NamedFile::Chart:
            return QCoreApplication::translate("FileNames", "The chart file name must end in %1.")
                .arg(all);
        case NamedFile::Timeline:
            return QCoreApplication::translate("FileNames",
                                               "The timeline file name must end in %1.")
                .arg(all);
        case NamedFile::Any:
            break;
    }
    return QCoreApplication::translate("FileNames", "The file name must end in %1.").arg(all);
}

}  // namespace lt
