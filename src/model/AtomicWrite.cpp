#include "AtomicWrite.h"

#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    auto fail = [&](const QString &what) {
        if (error)
            *error = QStringLiteral("\"%1\" %2").arg(path, what);
        return false;
    };
    QSaveFile file(path);
    // Unbuffered, so that a short write (a full disk, a file size limit) shows in write()'s
    // count instead of being lost in a buffer flush that reports success.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("could not be created: %1").arg(file.errorString()));
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString why = written < 0 ? file.errorString()
                                        : QStringLiteral("only %1 of %2 bytes could be written (is the disk full?)")
                                              .arg(written)
                                              .arg(bytes.size());
        file.cancelWriting();
        return fail(QStringLiteral("could not be written: %1").arg(why));
    }
    if (!file.commit())
        return fail(QStringLiteral("could not be written: %1").arg(file.errorString()));
    return true;
}
