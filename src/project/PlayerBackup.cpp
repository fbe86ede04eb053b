#include "PlayerBackup.h"

#include "model/Windows1252.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cerrno>

namespace PlayerBackup {

QString folder() {
    // The program's AppDataLocation, also when quillon-cli asks.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/ORBEX/quillon-programmer/backups/");
}

QString fileName(const QDateTime &readAt, const QString &playerName) {
    QString safe;
    for (QChar c : playerName.trimmed()) {
        const bool reserved = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += reserved ? QChar(u'_') : c;
    }
    safe = safe.left(64).trimmed();
    while (safe.startsWith(u'.'))
        safe.remove(0, 1);
    if (safe.isEmpty())
        safe = QStringLiteral("player");
    return readAt.toString(QStringLiteral("yyyy-MM-dd HH-mm-ss ")) + safe + QStringLiteral(".prg");
}

QString write(const QString &inFolder, const QDateTime &readAt, const Project &project, Notice *error) {
    if (!QDir().mkpath(inFolder)) {
        if (error)
            *error = Notice(phrase("Notice", "\"%1\" could not be created: %2"))
                         .arg(QDir::toNativeSeparators(inFolder), Notice::verbatim(qt_error_string(errno)));
        return {};
    }
    const QString path = QDir(inFolder).filePath(fileName(readAt, project.Properties.ProjectName));
    if (!WriteProjectFile(path, project, error))
        return {};
    // The names start with the date and time: the oldest sort first.
    QStringList backups = QDir(inFolder).entryList({QStringLiteral("*.prg")}, QDir::Files, QDir::Name);
    while (backups.size() > Kept)
        QFile::remove(QDir(inFolder).filePath(backups.takeFirst()));
    return path;
}

Outcome readAndKeep(ComLink &link, const QString &inFolder, const TransferContext &context) {
    Outcome outcome;
    const QDateTime readAt = context.clock.now();
    const TransferContext quiet{context.clock, {}, {}, [&outcome](const LinkFailure &f) { outcome.failure = f; }};
    const ReceivedPrograms received = ReceiveRun(link, quiet);
    if (received.result != ComCode::Ok) {
        outcome.readCode = received.result;
        return outcome;
    }
    QByteArray name;
    int failedByte = 0;
    if (ReadNameBytes(link, name, failedByte) != ComCode::Ok) {
        outcome.readCode = ComCode::EepromReadError;
        outcome.failure = {LinkFailure::NameRead, ComCode::EepromReadError, failedByte, {}};
        return outcome;
    }
    Project project{{}, received.programs};
    project.Properties.ProjectName = ShownProjectName(Windows1252::decode(name));
    outcome.path = write(inFolder, readAt, project, &outcome.writeError);
    return outcome;
}

} // namespace PlayerBackup
