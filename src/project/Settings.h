#pragma once

#include "model/Language.h"
#include "model/Notice.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// The settings file beside the executable: fifteen lines, CR LF, Windows-1252, and a sixteenth
// that the program adds after them: whether a transmit first keeps a copy of the player.
struct Settings {
    Language CurrentLanguage = Language::English;
    QString SelectedPortName = QStringLiteral("(None)");
    QString ProjectPath;
    QString ExportPath;
    bool IOOptionEnabled = true;
    bool EthernetOptionEnabled = true;
    bool PCRemoteMode = false;
    bool BackupBeforeTransmit = true;

    bool operator==(const Settings &) const = default;

    // The values before the file is read: the language of `locale`, the first port found (or
    // "(None)"), no project, the executable's directory as export path, I/O and Ethernet on,
    // PC remote mode off.
    static Settings defaults(const QString &executablePath, const QStringList &portNames, const QLocale &locale);
};

// The first-run language for a locale: its own when it is one of the five, else English.
Language DefaultLanguage(const QLocale &locale);

// The executable's path with the extension of its file name replaced by ".CFG" (appended when
// the name has none).
QString settingsFilePath(const QString &executablePath);

// The executable's directory, ending with "/".
QString executableDirectory(const QString &executablePath);

// Writes the fifteen lines and the backup line, replacing the file only once it is complete. A path or port name
// that the file cannot hold faithfully (a character outside Windows-1252, a line break) is
// not written as something else that would later point elsewhere: the project path and the
// port are written empty and "(None)", the export path falls back to the settings file's own
// directory (the executable's).
bool WriteSettings(const QString &path, const Settings &settings, Notice *error = nullptr);

// Reads the file into `settings`, which holds the defaults on entry: values missing from the
// file keep them. `portCaptions` are the captions of the port menu: "(None)" first, then the
// ports found; a stored port not among them, or an empty or missing port line, gives the first
// caption. Without captions (a caller that lists the ports later) the stored port is kept as
// written, an empty or missing one as "(None)". A missing file is first written from
// `settings`, then read back. On failure (the file cannot be written, opened or
// read) `settings` is untouched and `error` names the file.
bool ReadSettings(const QString &path, Settings &settings, const QStringList &portCaptions, Notice *error = nullptr);

// The port checked once the ports are listed, for a stored port read without captions: the
// stored one when it is among `ports`, "(None)" otherwise; with no settings file read (none), the
// first port, or "(None)" when there is none.
QString ChooseStartPort(const std::optional<QString> &stored, const QStringList &ports);
