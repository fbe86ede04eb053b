#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool folderWritable(const QString &file) {
    const QFileInfo folder(QFileInfo(file).absolutePath());
    return folder.isDir() && folder.isWritable();
}

} // namespace

SettingsLocation SettingsLocation::forExecutable(const QString &executablePath) {
    SettingsLocation location;
    location.primary = settingsFilePath(executablePath);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!folder.isEmpty())
        location.fallback = folder + QLatin1Char('/') + QFileInfo(location.primary).fileName();
    return location;
}

QString LoadSettings(const SettingsLocation &location, Settings &settings, const QStringList &portCaptions,
                     QString *error) {
    QString primaryError;
    if (!location.primary.isEmpty() && folderWritable(location.primary)) {
        if (ReadSettings(location.primary, settings, portCaptions, &primaryError))
            return location.primary;
    } else if (!location.primary.isEmpty()) {
        primaryError = QStringLiteral("\"%1\" cannot be written: its folder is missing or read-only")
                           .arg(QDir::toNativeSeparators(location.primary));
    }

    QString fallbackError;
    if (!location.fallback.isEmpty()) {
        Settings start = settings;
        // The file beside the program is still read when only it exists.
        if (!QFile::exists(location.fallback) && QFile::exists(location.primary))
            ReadSettings(location.primary, start, portCaptions);
        QDir().mkpath(QFileInfo(location.fallback).absolutePath());
        if (ReadSettings(location.fallback, start, portCaptions, &fallbackError)) {
            settings = start;
            return location.fallback;
        }
    } else {
        fallbackError = QStringLiteral("there is no user configuration folder");
    }
    if (error)
        *error = QStringLiteral("The settings cannot be kept: %1; %2. The program goes on with its defaults.")
                     .arg(primaryError, fallbackError);
    return {};
}

QString SaveSettings(const SettingsLocation &location, const QString &path, const Settings &settings, QString *error) {
    QString first;
    if (WriteSettings(path, settings, &first))
        return path;
    QString second;
    if (!location.fallback.isEmpty() && path != location.fallback) {
        QDir().mkpath(QFileInfo(location.fallback).absolutePath());
        if (WriteSettings(location.fallback, settings, &second))
            return location.fallback;
    }
    if (error)
        *error = second.isEmpty() ? QStringLiteral("The settings were not saved: %1").arg(first)
                                  : QStringLiteral("The settings were not saved: %1; %2").arg(first, second);
    return {};
}
