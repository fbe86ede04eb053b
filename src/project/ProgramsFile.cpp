#include "ProgramsFile.h"

#include "project/ProjectFile.h"

#include <QFile>

namespace {

void setError(QString *error, const QString &text) {
    if (error)
        *error = text;
}

bool startsWithProjectHeader(const QByteArray &start) {
    QByteArrayView line(start);
    if (line.startsWith("\xEF\xBB\xBF"))
        line = line.sliced(3);
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\r' || line[i] == '\n' || line[i] == 0x1A) {
            line = line.first(i);
            break;
        }
    }
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line == QByteArrayView(ProjectFileHeader);
}

QString playerFileSizes() {
    return QStringLiteral("%1 to %2 bytes (255 slots of 24 bytes and a date stamp)")
        .arg(ScheduleRecordsSize)
        .arg(MaxScheduleFileBytes);
}

QString wrongKind(const QString &path, ProgramsFileKind kind, ProgramsFileAccepts accepts, qsizetype size) {
    const QString name = QLatin1Char('"') + path + QLatin1Char('"');
    if (kind == ProgramsFileKind::Player)
        return name + QStringLiteral(" is a player file, not a project file");
    if (kind == ProgramsFileKind::Project)
        return name + QStringLiteral(" is a project file, not a player file");
    const QString bytes = size > MaxScheduleFileBytes ? QStringLiteral("more than %1 bytes").arg(MaxScheduleFileBytes)
                                                      : QStringLiteral("%1 bytes").arg(size);
    const QString header = QStringLiteral("its first line is not \"%1\"").arg(QLatin1String(ProjectFileHeader));
    switch (accepts) {
    case ProgramsFileAccepts::Project:
        return name + QStringLiteral(" is not a project file: ") + header;
    case ProgramsFileAccepts::Player:
        return name + QStringLiteral(" is not a player file: it holds %1, where a player file holds %2")
                          .arg(bytes, playerFileSizes());
    case ProgramsFileAccepts::Either:
        break;
    }
    return name + QStringLiteral(" is neither a project file (%1) nor a player file (it holds %2, where a player file "
                                 "holds %3)")
                      .arg(header, bytes, playerFileSizes());
}

} // namespace

ProgramsFileKind programsFileKind(const QByteArray &start) {
    if (startsWithProjectHeader(start))
        return ProgramsFileKind::Project;
    if (start.size() >= ScheduleRecordsSize && start.size() <= MaxScheduleFileBytes)
        return ProgramsFileKind::Player;
    return ProgramsFileKind::Neither;
}

FileFailure ReadProgramsFile(const QString &path, ProgramsFileAccepts accepts, const QDateTime &now, ProgramsFile &out,
                             QString *error, const ScheduleProgress &progress) {
    QFile file;
    if (!openRegularFile(file, path, error))
        return FileFailure::NoInput;
    QByteArray start;
    QString why;
    if (!readAtMost(file, MaxScheduleFileBytes + 1, start, &why)) {
        setError(error, QStringLiteral("\"%1\" could not be read: %2").arg(path, why));
        return FileFailure::IoError;
    }
    const ProgramsFileKind kind = programsFileKind(start);
    const bool taken = kind != ProgramsFileKind::Neither &&
                       (accepts == ProgramsFileAccepts::Either ||
                        (accepts == ProgramsFileAccepts::Project) == (kind == ProgramsFileKind::Project));
    if (!taken) {
        setError(error, wrongKind(path, kind, accepts, start.size()));
        return FileFailure::NoInput;
    }

    ProgramsFile read;
    read.kind = kind;
    if (kind == ProgramsFileKind::Project) {
        if (!file.seek(0) || !ReadProjectDevice(file, path, read.project, error))
            return file.error() != QFileDevice::NoError ? FileFailure::IoError : FileFailure::NoInput;
    } else {
        ScheduleImport imported;
        ImportScheduleRecords(start, now, imported, nullptr, progress);
        read.project.Programs = imported.Programs;
        read.correctedSlots = imported.CorrectedSlots;
        read.recordSlots = imported.Slots;
    }
    out = std::move(read);
    return FileFailure::None;
}
