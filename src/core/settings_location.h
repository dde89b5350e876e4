#pragma once
#include <QString>

namespace lt {

// What start-up finds out about the places the settings file can live.
struct SettingsPlaces {
    QString exeFolder;           // the executable's folder
    bool fileBesideExe = false;  // a lifetally.ini is already there
    bool exeFolderWritable = false;
    QString xdgConfigHome;  // $XDG_CONFIG_HOME; empty when unset
    QString home;           // the user's home folder
    QString override;       // --settings FILE; empty when not given
    // The executable is installed: a "bin" folder beside share/applications holding the
    // program's desktop entry (a package, or `cmake --install` into any prefix).
    bool installed = false;
};

// The settings file: the one given on the command line; else lifetally.ini beside the
// executable when one is there, or when that folder is writable and not an installation
// (portable copies and the build folder); else lifetally.ini in the user's configuration
// folder.
QString settingsFileFor(const SettingsPlaces& places);

// The same rule over this process: its executable, environment and file system.
// A relative `overridePath` is taken from the current folder.
QString locateSettingsFile(const QString& overridePath = QString());

}  // namespace lt
