#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the old
// file only once everything is on disk. On failure the old file is as it was, the temporary
// file is gone, and `error` names the file and what failed.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);
