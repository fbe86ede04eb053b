#pragma once

#include "model/Notice.h"

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the old
// file only once everything is on disk. On failure the old file is as it was, the temporary
// file is gone, and `error` names the file and what failed: "could not be created: WHY" when
// the file cannot be made in its folder, "could not be written: WHY" when writing or replacing
// failed. A path that names a FIFO, a device or anything but a regular file is refused, not
// replaced; a symbolic link is followed and its target replaced, or made when the link leads
// nowhere yet; a loop of links is refused. The replacement keeps the old file's mode, and its
// owner and group as far as this process may give them: `warning` names what it could not
// keep, the file being written all the same. A hard link's other names keep the old content.
// Names are handled as bytes (fileNameToBytes).
bool writeFileAtomically(const QString &path, const QByteArray &bytes, Notice *error = nullptr,
                         Notice *warning = nullptr);

// Whether writeFileAtomically could write `path` now: the same refusals, found by creating
// and removing a temporary file in the folder. Nothing is left behind; `error` reads
// "\"PATH\" could not be created: WHY".
bool checkCanCreate(const QString &path, Notice *error = nullptr);
