#pragma once

#include "model/Notice.h"
#include "project/Settings.h"

#include <QString>
#include <QStringList>

// Where the settings file lives: beside a program run from its build or unpacked folder when
// that folder can be written, otherwise in the user's configuration folder. An installed
// program never writes beside itself, so that one run as root cannot leave a file that every
// user then reads.
struct SettingsLocation {
    QString primary;  // the program's path with ".CFG"; empty for an installed program
    QString fallback; // the same file name in the user's configuration folder

    bool isEmpty() const { return primary.isEmpty() && fallback.isEmpty(); }

    // The location for the program at `executablePath`; the fallback folder is
    // QStandardPaths::AppConfigLocation.
    static SettingsLocation forExecutable(const QString &executablePath);
};

// True when the program at `executablePath` runs from an installed place: its folder is under
// /usr, /opt or the build's install folder for programs, belongs to another user, or is the bin
// folder of an install tree (the program's desktop entry in ../share/applications).
bool IsInstalledExecutable(const QString &executablePath);

// The export folder of a first run, ending in '/': the executable's folder for a build or
// unpacked copy (where the user put it), the user's documents folder for an installed one (or
// the home folder when there is none), never a system folder.
QString DefaultExportFolder(const QString &executablePath);

// Reads the settings at start-up. Beside the program when its folder can be written; else in
// the fallback folder (created when missing), whose file starts from the one beside the
// program when only that exists. A missing file is written from `settings` first, and `created`
// then set. Returns the file that was read (and is to be written at shut-down) or, when neither
// place can be written, an empty string, with `settings` untouched and `error` naming both files.
QString LoadSettings(const SettingsLocation &location, Settings &settings, const QStringList &portCaptions,
                     Notice *error = nullptr, bool *created = nullptr);

// Writes the settings at shut-down to `path` (the file LoadSettings gave), or, when that
// fails, to the fallback file. Returns the file written, or an empty string with `error`
// naming what failed.
QString SaveSettings(const SettingsLocation &location, const QString &path, const Settings &settings,
                     Notice *error = nullptr);
