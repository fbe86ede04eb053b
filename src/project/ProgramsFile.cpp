#include "ProgramsFile.h"

#include "project/ProjectFile.h"

#include <QFile>

namespace {

void setError(Notice *error, const Notice &text) {
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

Notice playerFileSizes() {
    return Notice(phrase("Notice", "at least %1 bytes (255 slots of 24 bytes)")).arg(ScheduleRecordsSize);
}

Notice wrongKind(const QString &path, ProgramsFileKind kind, ProgramsFileAccepts accepts, qsizetype size) {
    const QString name = QLatin1Char('"') + path + QLatin1Char('"');
    if (kind == ProgramsFileKind::Player)
        return Notice(phrase("Notice", "%1 is a player file, not a project file")).arg(name);
    if (kind == ProgramsFileKind::Project)
        return Notice(phrase("Notice", "%1 is a project file, not a player file")).arg(name);
    const Notice bytes = Notice(phrase("Notice", "%1 bytes")).arg(size);
    const Notice header =
        Notice(phrase("Notice", "its first line is not \"%1\"")).arg(QString::fromLatin1(ProjectFileHeader));
    switch (accepts) {
    case ProgramsFileAccepts::Project:
        return Notice(phrase("Notice", "%1 is not a project file: %2")).arg(name, header);
    case ProgramsFileAccepts::Player:
        return Notice(phrase("Notice", "%1 is not a player file: it holds %2, where a player file holds %3"))
            .arg(name, bytes, playerFileSizes());
    case ProgramsFileAccepts::Either:
        break;
    }
    return Notice(
               phrase(
                   "Notice",
                   "%1 is neither a project file (%2) nor a player file (it holds %3, where a player file holds %4)"))
        .arg(name, header, bytes, playerFileSizes());
}

} // namespace

ProgramsFileKind programsFileKind(const QByteArray &start) {
    if (startsWithProjectHeader(start))
        return ProgramsFileKind::Project;
    if (start.size() >= ScheduleRecordsSize)
        return ProgramsFileKind::Player;
    return ProgramsFileKind::Neither;
}

FileFailure ReadProgramsFile(const QString &path, ProgramsFileAccepts accepts, const QDateTime &now, ProgramsFile &out,
                             Notice *error, const ScheduleProgress &progress) {
    QFile file;
    if (!openRegularFile(file, path, error))
        return FileFailure::NoInput;
    // The records are all a player file has to give; what follows them is never read.
    QByteArray start;
    Notice why;
    if (!readAtMost(file, ScheduleRecordsSize, start, &why)) {
        setError(error, Notice(phrase("Notice", "\"%1\" could not be read: %2")).arg(path, why));
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

bool ImportRun(const QString &path, const Clock &clock, ScheduleImport &out, Notice *error,
               const ScheduleProgress &progress) {
    out = {};
    ProgramsFile read;
    if (ReadProgramsFile(path, ProgramsFileAccepts::Player, clock.now(), read, error, progress) != FileFailure::None)
        return false;
    out.Programs = read.project.Programs;
    out.CorrectedSlots = read.correctedSlots;
    out.Slots = read.recordSlots;
    return true;
}
