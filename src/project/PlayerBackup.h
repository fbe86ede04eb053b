#pragma once

#include "model/Notice.h"
#include "model/Project.h"
#include "player/PlayerLink.h"

#include <QDateTime>
#include <QString>

// The copies of the player that a transmit keeps before it overwrites the player: project files
// in the user's data folder, named by the date and time they were read and the player's project
// name, the last 20 kept.
namespace PlayerBackup {

inline constexpr int Kept = 20;

// The program's data folder (QStandardPaths::AppDataLocation of quillon-programmer, whichever
// program asks) + "/backups/"; the folder may not exist yet.
QString folder();

// "2026-12-07 14-30-05 Hall B.prg": the name made safe for a file name (no path separators, no
// control or reserved characters, at most 64 characters; "player" when nothing is left).
QString fileName(const QDateTime &readAt, const QString &playerName);

// Writes `project` into `inFolder` (made when missing) as fileName(readAt, its name), then
// removes the oldest backups beyond the last 20. The path written, or empty with `error` saying
// what failed.
QString write(const QString &inFolder, const QDateTime &readAt, const Project &project, Notice *error);

// How a backup before a transmit went: the file kept, or the code of the read that failed (the
// slot or name byte in `failure`), or why the file was not written.
struct Outcome {
    QString path;
    ComResult readCode = ComCode::Ok;
    LinkFailure failure;
    Notice writeError;
};

// Over an open port: reads the player's 255 slots and project name, as a receive does, and keeps
// them with write(). Nothing of it is reported through `context` but its clock: the transmit
// that follows reports its own run.
Outcome readAndKeep(ComLink &link, const QString &inFolder, const TransferContext &context);

} // namespace PlayerBackup
