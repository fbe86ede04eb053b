#include "SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool folderWritable(const QString &file) {
    const QFileInfo folder(QFileInfo(file).absolutePath());
    return folder.isDir() && folder.isWritable();
}

bool isUnder(const QString &path, const QString &folder) {
    const QString root = QDir::cleanPath(folder);
    return path == root || path.startsWith(root == u"/" ? root : root + QLatin1Char('/'));
}

} // namespace

bool IsInstalledExecutable(const QString &executablePath) {
    const QString folder = QFileInfo(executablePath).absolutePath();
    const QString real =
        QFileInfo(folder).canonicalFilePath().isEmpty() ? folder : QFileInfo(folder).canonicalFilePath();
    for (const QString &prefix :
         {QStringLiteral("/usr"), QStringLiteral("/opt"), QStringLiteral(QUILLON_INSTALL_BINDIR)})
        if (isUnder(real, prefix))
            return true;
    struct stat st {};
    if (::stat(QFile::encodeName(real).constData(), &st) == 0 && st.st_uid != ::geteuid())
        return true;
    return QFileInfo(real).fileName() == u"bin" &&
           QFileInfo::exists(real + QStringLiteral("/../share/applications/quillon-programmer.desktop"));
}

QString DefaultExportFolder(const QString &executablePath) {
    if (!IsInstalledExecutable(executablePath))
        return executableDirectory(executablePath);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

SettingsLocation SettingsLocation::forExecutable(const QString &executablePath) {
    SettingsLocation location;
    const QString beside = settingsFilePath(executablePath);
    if (!IsInstalledExecutable(executablePath))
        location.primary = beside;
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (!folder.isEmpty())
        location.fallback = folder + QLatin1Char('/') + QFileInfo(beside).fileName();
    return location;
}

QString LoadSettings(const SettingsLocation &location, Settings &settings, const QStringList &portCaptions,
                     Notice *error, bool *created) {
    const bool primaryFound = !location.primary.isEmpty() && QFile::exists(location.primary);
    const auto read = [created](const QString &path, bool found) {
        if (created)
            *created = !found;
        return path;
    };
    Notice primaryError;
    if (!location.primary.isEmpty() && folderWritable(location.primary)) {
        if (ReadSettings(location.primary, settings, portCaptions, &primaryError))
            return read(location.primary, primaryFound);
    } else if (!location.primary.isEmpty()) {
        primaryError = Notice(phrase("Notice", "\"%1\" cannot be written: its folder is missing or read-only"))
                           .arg(QDir::toNativeSeparators(location.primary));
    }

    Notice fallbackError;
    if (!location.fallback.isEmpty()) {
        Settings start = settings;
        // The file beside the program is still read when only it exists.
        const bool fallbackFound = QFile::exists(location.fallback);
        if (!fallbackFound && primaryFound)
            ReadSettings(location.primary, start, portCaptions);
        QDir().mkpath(QFileInfo(location.fallback).absolutePath());
        if (ReadSettings(location.fallback, start, portCaptions, &fallbackError)) {
            settings = start;
            return read(location.fallback, fallbackFound || primaryFound);
        }
    } else {
        fallbackError = Notice(phrase("Notice", "there is no user configuration folder"));
    }
    if (error)
        *error = Notice(phrase("Notice", "The settings cannot be kept: %1. The program goes on with its defaults."))
                     .arg(primaryError.isNull() ? fallbackError
                                                : Notice::joined({primaryError, fallbackError}, QStringLiteral("; ")));
    return {};
}

QString SaveSettings(const SettingsLocation &location, const QString &path, const Settings &settings, Notice *error) {
    Notice first;
    if (WriteSettings(path, settings, &first))
        return path;
    Notice second;
    if (!location.fallback.isEmpty() && path != location.fallback) {
        QDir().mkpath(QFileInfo(location.fallback).absolutePath());
        if (WriteSettings(location.fallback, settings, &second))
            return location.fallback;
    }
    if (error)
        *error = Notice(phrase("Notice", "The settings were not saved: %1"))
                     .arg(second.isNull() ? first : Notice::joined({first, second}, QStringLiteral("; ")));
    return {};
}
