#include "ui/outputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QPluginLoader>

#include "ui/message_boxes.h"

namespace lt {
namespace {
Outputs*& linkedOutputs() {
    static Outputs* linked = nullptr;
    return linked;
}

constexpr auto kLibraryName = "lifetally-outputs.so";

// The outputs, linked in or loaded, as they are found.
Outputs* loadedOutputs(QString* why);

// The program's own boxes, dialogs and file writer, as the library is handed them.
class ProgramHost : public OutputsHost {
public:
    void defaultReport(const QString& message, QWidget* parent) override {
        reportDefaultError(message, parent);
    }
    void quietError(const QString& message, QWidget* parent) override {
        showQuietError(message, parent);
    }
    bool writeFailed(const QString& path, const QString& reason, QWidget* parent) override {
        return lt::writeFailed(path, reason, parent);
    }
    int execDialog(QDialog& dialog) override { return lt::execDialog(dialog); }
    std::optional<bool> printDialogAnswer(QPrinter& printer, QWidget* parent) override {
        if (!messageSeams().printDialog) return std::nullopt;
        return messageSeams().printDialog(printer, parent);
    }
    QString askExportPath(QWidget* parent, const QString& caption, const QString& suggestedName,
                          const QList<ExportFileType>& types) override {
        return lt::askExportPath(parent, caption, suggestedName, types);
    }
    bool saveFileBytes(const QString& path, const QByteArray& bytes, QWidget* parent) override {
        return lt::saveFileBytes(path, bytes, parent);
    }
};

ProgramHost& programHost() {
    static ProgramHost host;
    return host;
}

QString versionText(const QJsonValue& version, const QJsonValue& build) {
    //: %1 is a version number such as 1.1, %2 a build's mark.
    return QCoreApplication::translate("Outputs", "Lifetally %1 (build %2)")
        .arg(version.toString(QStringLiteral("?")), build.toString(QStringLiteral("?")));
}
}  // namespace

void setLinkedOutputs(Outputs* linked) {
    linkedOutputs() = linked;
    if (linked) linked->setHost(programHost());
}

QStringList outputsLibraryPaths(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QLatin1String(kLibraryName)),
            QDir::cleanPath(folder.filePath(QStringLiteral(LT_OUTPUTS_FROM_BINDIR "/") +
                                            QLatin1String(kLibraryName)))};
}

QString outputsMismatch(const QJsonObject& metaData) {
    const QJsonObject own = metaData.value(QLatin1String("MetaData")).toObject();
    const QJsonValue version = own.value(QLatin1String("version"));
    const QJsonValue build = own.value(QLatin1String("build"));
    if (metaData.value(QLatin1String("IID")).toString() == QLatin1String(LT_OUTPUTS_IID) &&
        version.toString() == QLatin1String(LT_VERSION) &&
        build.toString() == QLatin1String(LT_OUTPUTS_BUILD))
        return {};
    //: Why the charts and printing library was refused: %1 and %2 read "Lifetally 1.1 (build ...)".
    return QCoreApplication::translate("Outputs",
                                       "It is the library of %1, and this program is %2.")
        .arg(versionText(version, build),
             versionText(QLatin1String(LT_VERSION), QLatin1String(LT_OUTPUTS_BUILD)));
}

Outputs* outputs(QString* why) {
    Outputs* found = loadedOutputs(why);
    if (found)
        found->setFormats(
            {loc::programLocale(), loc::dateLocale(), loc::moneyLocale(), loc::programCurrency()});
    return found;
}

namespace {
Outputs* loadedOutputs(QString* why) {
    if (linkedOutputs()) return linkedOutputs();
    // Loaded once and kept for the rest of the run; a failure is tried again next time.
    static Outputs* loaded = nullptr;
    if (loaded) return loaded;
    const QStringList paths = outputsLibraryPaths(QCoreApplication::applicationDirPath());
    QString path = paths.constLast();
    for (const QString& candidate : paths) {
        if (QFileInfo::exists(candidate)) {
            path = candidate;
            break;
        }
    }
    QString reason;
    if (!QFileInfo::exists(path)) {
        reason = QCoreApplication::translate("Outputs", "No such file.");
    } else {
        QPluginLoader loader(path);
        // The versions are read from the file before any of its code runs.
        const QJsonObject metaData = loader.metaData();
        reason = metaData.isEmpty() ? loader.errorString() : outputsMismatch(metaData);
        if (reason.isEmpty()) {
            // Every symbol is bound now, so a broken library fails here, not at its first call.
            loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
            loaded = qobject_cast<Outputs*>(loader.instance());
            if (loaded)
                loaded->setHost(programHost());
            else
                reason = loader.errorString();
        }
    }
    if (!loaded && why)
        //: %1 is the library's file, %2 the reason.
        *why = QCoreApplication::translate("Outputs", "Cannot load %1: %2")
                   .arg(QDir::toNativeSeparators(path), reason);
    return loaded;
}
}  // namespace

Outputs* outputsOrError(QWidget* parent) {
    QString why;
    Outputs* found = outputs(&why);
    if (!found) showError(why, parent);
    return found;
}

}  // namespace lt
