#pragma once

#include "model/Notice.h"
#include "model/Project.h"
#include "project/FileLimits.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// The project file (".prg"): one value per line, CR LF, Windows-1252 bytes.
//
// Writing is all or nothing: the file is written through a temporary file in the same folder
// that replaces the old file only once it is complete, so a failed save leaves the old file
// as it was. A project that the format cannot hold is refused before anything is written: a
// comment list of more than 255 lines, a text with a character outside Windows-1252, a text
// holding a line break or the end-of-file byte 0x1A, a line longer than the reader takes, or a
// file larger than it takes.
//
// Reading gives the whole project or an error naming the file, the line and what that line
// should have held; the project passed in is untouched on error. Reading rules:
// - Header and separator lines are not compared with anything, but must be in the file: a
//   file that ends before its last line is refused.
// - A number is optional leading spaces, an optional sign and decimal digits that fit in
//   32 bits; nothing may follow (no trailing blank, no hexadecimal). It is stored into the field's width
//   (8-bit fields keep the low 8 bits).
// - A flag is 1 only for the exact text "yes".
// - An hour above 23, a minute above 59 or a date that does not exist is refused.
// - The program count must be 0..255; a comment count 0..MaxReadCommentLines (more than 255
//   read back, so that a hand-edited file opens, but such a list cannot be saved again).
// - A line longer than MaxLineBytes is refused, and so is a file that goes on past
//   MaxFileBytes (FileLimits.h). The writer refuses the same, so a saved file always opens.
// - Only a regular file is read: a FIFO, a device or a folder is refused before anything
//   waits on it.

using ProjectReadProgress = std::function<void(int done, int total)>;

// The bytes of the file for `project`; empty (and `error` set) when the project is refused.
QByteArray projectFileBytes(const Project &project, Notice *error = nullptr);

// Replaces or makes the file as writeFileAtomically does; `warning` as there.
bool WriteProjectFile(const QString &path, const Project &project, Notice *error = nullptr, Notice *warning = nullptr);

bool ReadProjectFile(const QString &path, Project &out, Notice *error = nullptr,
                     const ProjectReadProgress &progress = {});

// Reads from memory; `displayName` stands for the file in messages.
bool ReadProjectData(const QByteArray &bytes, const QString &displayName, Project &out, Notice *error = nullptr,
                     const ProjectReadProgress &progress = {});

// Reads from an open device.
bool ReadProjectDevice(QIODevice &device, const QString &displayName, Project &out, Notice *error = nullptr,
                       const ProjectReadProgress &progress = {});
