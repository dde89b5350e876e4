#include "ui/outputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "ui/message_boxes.h"

namespace lt {
namespace {
Outputs*& linkedOutputs() {
    static Outputs* linked = nullptr;
    return linked;
}

constexpr auto kLibraryName = "lifetally-outputs.so";
}  // namespace

void setLinkedOutputs(Outputs* linked) { linkedOutputs() = linked; }

QStringList outputsLibraryPaths(const QString& programFolder) {
    const QDir folder(programFolder);
    return {folder.filePath(QLatin1String(kLibraryName)),
            QDir::cleanPath(folder.filePath(QStringLiteral(LT_OUTPUTS_FROM_BINDIR "/") +
                                            QLatin1String(kLibraryName)))};
}

Outputs* outputs(QString* why) {
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
    QPluginLoader loader(path);
    // A library that does not match the program fails here, not at its first call.
    loader.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    loaded = qobject_cast<Outputs*>(loader.instance());
    if (!loaded && why) {
        const QString reason = loader.isLoaded()
                                   ? QStringLiteral("It is not this version's library.")
                                   : (QFileInfo::exists(path) ? loader.errorString()
                                                              : QStringLiteral("No such file."));
        *why = QStringLiteral("Cannot load %1: %2").arg(QDir::toNativeSeparators(path), reason);
    }
    return loaded;
}

Outputs* outputsOrError(QWidget* parent) {
    QString why;
    Outputs* found = outputs(&why);
    if (!found) showError(why, parent);
    return found;
}

}  // namespace lt
