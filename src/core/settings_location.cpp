#include "core/settings_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lt {
namespace {
const QString kFileName = QStringLiteral("lifetally.ini");
}  // namespace

QString settingsFileFor(const SettingsPlaces& places) {
    if (!places.override.isEmpty()) return places.override;
    if (places.fileBesideExe || (places.exeFolderWritable && !places.installed))
        return QDir(places.exeFolder).filePath(kFileName);
    // An unset, empty or relative XDG_CONFIG_HOME is ignored, as the base-directory
    // rules ask.
    const QString config = QDir::isAbsolutePath(places.xdgConfigHome)
                               ? places.xdgConfigHome
                               : QDir(places.home).filePath(QStringLiteral(".config"));
    return QDir::cleanPath(config + QStringLiteral("/lifetally/") + kFileName);
}

QString locateSettingsFile(const QString& overridePath) {
    SettingsPlaces places;
    places.exeFolder = QCoreApplication::applicationDirPath();
    places.fileBesideExe = QFileInfo::exists(QDir(places.exeFolder).filePath(kFileName));
    places.exeFolderWritable = QFileInfo(places.exeFolder).isWritable();
    places.xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    places.home = QDir::homePath();
    places.installed =
        QDir(places.exeFolder).dirName() == u"bin" &&
        QFileInfo::exists(QDir(places.exeFolder)
                              .filePath(QStringLiteral(
                                  "../share/applications/example.tallyhouse.Lifetally.desktop")));
    if (!overridePath.isEmpty()) places.override = QFileInfo(overridePath).absoluteFilePath();
    return settingsFileFor(places);
}

}  // namespace lt
