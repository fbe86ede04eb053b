#pragma once

#include "model/FileAccess.h"
#include "model/Project.h"
#include "player/ScheduleFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The two files that hold programs, a project file and a player's schedule file, told apart
// by their content in one place for every reader that takes either.
enum class ProgramsFileKind { Project, Player, Neither };

inline constexpr char ProjectFileHeader[] = "Group Of Program File of ORBEX";

// What a reader asks for.
enum class ProgramsFileAccepts { Project, Player, Either };

// `start` is the whole file, or its first ScheduleRecordsSize bytes when it is longer. A project
// file when its first line is the header, after an optional UTF-8 byte-order mark and with
// blanks after it allowed, whatever the size; otherwise a player file when it holds the records
// (whatever follows them, a date stamp or anything else, is never read); otherwise neither.
ProgramsFileKind programsFileKind(const QByteArray &start);

struct ProgramsFile {
    ProgramsFileKind kind = ProgramsFileKind::Neither;
    // A player file's programs come in slot order, under the properties of a new project.
    Project project;
    QList<int> correctedSlots; // player file: slots whose date or time did not exist
    QList<int> recordSlots;    // player file: the slot each program was read from
};

// Reads `path` when it is a regular file of a kind `accepts` takes. A player file's programs
// are made as new programs dated `now`. On failure `error` names the file and says what it is
// or which line is wrong, and the result tells the kind of failure: NoInput for a file that
// is missing, not a regular file, not readable, of the wrong kind, malformed or too large;
// IoError for a read that failed part way.
FileFailure ReadProgramsFile(const QString &path, ProgramsFileAccepts accepts, const QDateTime &now, ProgramsFile &out,
                             Notice *error = nullptr, const ScheduleProgress &progress = {});

// Reads the records of the schedule file `path`, never more than their 6120 bytes. A file that is
// not a regular file, cannot be read, is a project file or is shorter than 6120 bytes imports
// nothing; the message in `error` names the file.
bool ImportRun(const QString &path, const Clock &clock, ScheduleImport &out, Notice *error,
               const ScheduleProgress &progress = {});
