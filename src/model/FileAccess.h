#pragma once

#include "model/Notice.h"

#include <QByteArray>
#include <QString>

class QFile;

// File names are bytes to the system, and a name need not be valid UTF-8. Such a name travels
// in a QString with each byte that does not decode held as the lone surrogate U+DC00 + byte
// (U+DC80..U+DCFF), so that it reaches the system again as the very same bytes. Valid names
// are plain UTF-8 both ways. Every file of the program is opened through these names.
QString fileNameFromBytes(const QByteArray &name);
QByteArray fileNameToBytes(const QString &name);

// `text` made safe for a terminal: control characters (C0, DEL, C1) and the undecodable bytes
// of a name become visible escapes (\x1B, \u0085, \xFF); everything else is left as it is.
QString printable(const QString &text);

// What kind of failure a file operation met, for whoever maps it to an exit status.
enum class FileFailure {
    None,
    NoInput,      // the input is missing, not a regular file, not readable or not what it should be
    CannotCreate, // the output cannot be created in its folder
    IoError,      // reading or writing failed part way
};

// "a FIFO", "a character device", "a folder", ... for what is at `path` when it exists and is
// not a regular file (links followed); null for a regular or missing file.
Notice nonRegularKind(const QString &path);

// Opens `path` for reading when it is a regular file. A FIFO, device, socket or folder is
// refused without waiting on it, the check and the opening being one step. On failure
// `error` reads "\"PATH\" could not be opened: WHY".
bool openRegularFile(QFile &file, const QString &path, Notice *error = nullptr);

// Reads at most `limit` bytes of an open file; `error` is set (and false returned) when a
// read fails.
bool readAtMost(QFile &file, qint64 limit, QByteArray &out, Notice *error = nullptr);
