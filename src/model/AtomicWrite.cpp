#include "AtomicWrite.h"

#include "model/FileAccess.h"
#include "text/text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file to replace and the temporary file beside it, both as the system's bytes.
struct Target {
    QByteArray path;
    bool exists = false;
    mode_t mode = 0;
};

// `what` is CouldNotBeCreated or CouldNotBeWritten.
bool fail(QString *error, const QString &path, NoticeRow what, const QString &why) {
    if (error)
        *error = NoticeText(what).arg(path, why);
    return false;
}

// Resolves a symbolic link and refuses what cannot be replaced.
bool prepare(const QString &path, Target &target, QString *error) {
    target.path = fileNameToBytes(path);
    char resolved[PATH_MAX];
    struct stat st {};
    if (::lstat(target.path.constData(), &st) == 0 && S_ISLNK(st.st_mode) &&
        ::realpath(target.path.constData(), resolved))
        target.path = resolved;
    if (::stat(target.path.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(error, path, NoticeRow::CouldNotBeCreated,
                        NoticeText(NoticeRow::NotReplaced).arg(nonRegularKind(fileNameFromBytes(target.path))));
        if (::access(target.path.constData(), W_OK) != 0)
            return fail(error, path, NoticeRow::CouldNotBeCreated, qt_error_string(errno));
        target.exists = true;
        target.mode = st.st_mode & 07777;
    }
    const qsizetype slash = target.path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.path.left(slash);
    if (::stat(folder.constData(), &st) != 0)
        return fail(error, path, NoticeRow::CouldNotBeCreated,
                    errno == ENOENT ? NoticeText(NoticeRow::NoFolder) : qt_error_string(errno));
    if (!S_ISDIR(st.st_mode))
        return fail(error, path, NoticeRow::CouldNotBeCreated,
                    NoticeText(NoticeRow::NotAFolder).arg(fileNameFromBytes(folder)));
    return true;
}

// A new temporary file beside the target; -1 with `error` set when none can be made.
int createTemporary(const QString &path, const Target &target, QByteArray &name, QString *error) {
    name = target.path + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        fail(error, path, NoticeRow::CouldNotBeCreated, qt_error_string(errno));
    return fd;
}

} // namespace

bool checkCanCreate(const QString &path, QString *error) {
    Target target;
    if (!prepare(path, target, error))
        return false;
    QByteArray name;
    const int fd = createTemporary(path, target, name, error);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(name.constData());
    return true;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error) {
    Target target;
    if (!prepare(path, target, error))
        return false;
    QByteArray name;
    const int fd = createTemporary(path, target, name, error);
    if (fd < 0)
        return false;
    auto abandon = [&](const QString &why) {
        ::close(fd);
        ::unlink(name.constData());
        return fail(error, path, NoticeRow::CouldNotBeWritten, why);
    };
    // A replaced file keeps its permissions; a new one gets those any new file gets here.
    mode_t mode = target.mode;
    if (!target.exists) {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return abandon(qt_error_string(errno));
    qint64 written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A full disk or a file size limit: the first write is short, the next one fails.
            const QString why = n < 0 ? qt_error_string(errno) : NoticeText(NoticeRow::NothingTaken);
            return abandon(NoticeText(NoticeRow::OnlyWritten).arg(written).arg(bytes.size()).arg(why));
        }
        written += n;
    }
    if (::fsync(fd) != 0)
        return abandon(qt_error_string(errno));
    if (::close(fd) != 0) {
        const QString why = qt_error_string(errno);
        ::unlink(name.constData());
        return fail(error, path, NoticeRow::CouldNotBeWritten, why);
    }
    if (::rename(name.constData(), target.path.constData()) != 0) {
        const QString why = qt_error_string(errno);
        ::unlink(name.constData());
        return fail(error, path, NoticeRow::CouldNotBeWritten, why);
    }
    return true;
}
