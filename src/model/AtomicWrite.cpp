#include "AtomicWrite.h"

#include "model/FileAccess.h"
#include "model/Notice.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file to replace and the temporary file beside it, both as the system's bytes.
struct Target {
    QByteArray path;
    bool exists = false;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
};

// `what` is CouldNotBeCreated or CouldNotBeWritten.
bool fail(Notice *error, const QString &path, Phrase what, const Notice::Value &why) {
    if (error)
        *error = Notice(what).arg(path, why);
    return false;
}

// Follows symbolic links from `path` to the name to replace, also past a last link that leads
// nowhere yet (the file is then made where it points). False after as many links as the
// system itself follows: a loop.
bool followLinks(QByteArray &path) {
    for (int links = 0; links <= 40; ++links) {
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            return true;
        QByteArray to(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.constData(), to.data(), size_t(to.size()));
        if (n <= 0)
            return true;
        to.truncate(n);
        if (!to.startsWith('/') && path.contains('/'))
            to.prepend(path.left(path.lastIndexOf('/') + 1));
        path = to;
    }
    return false;
}

QString userName(uid_t uid) {
    const passwd *user = ::getpwuid(uid);
    return user ? QString::fromLocal8Bit(user->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid) {
    const group *entry = ::getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

// Resolves symbolic links and refuses what cannot be replaced.
bool prepare(const QString &path, Target &target, Notice *error) {
    target.path = fileNameToBytes(path);
    if (!followLinks(target.path))
        return fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"),
                    Notice(phrase("Notice", "it is a symbolic link that leads back to itself (a link loop)")));
    struct stat st {};
    if (::stat(target.path.constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            return fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"),
                        Notice(phrase("Notice", "it is %1, not a regular file, and is not replaced"))
                            .arg(nonRegularKind(fileNameFromBytes(target.path))));
        if (::access(target.path.constData(), W_OK) != 0)
            return fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"), qt_error_string(errno));
        target.exists = true;
        target.mode = st.st_mode & 07777;
        target.owner = st.st_uid;
        target.group = st.st_gid;
    }
    const qsizetype slash = target.path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.path.left(slash);
    if (::stat(folder.constData(), &st) != 0)
        return fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"),
                    errno == ENOENT ? Notice(phrase("Notice", "the folder does not exist"))
                                    : Notice::verbatim(qt_error_string(errno)));
    if (!S_ISDIR(st.st_mode))
        return fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"),
                    Notice(phrase("Notice", "\"%1\" is not a folder")).arg(fileNameFromBytes(folder)));
    return true;
}

// Gives the temporary file the replaced file's owner and group, as far as this process may; a
// user may give a file a group of their own but not away. The warning names what was lost.
void keepOwner(int fd, const QString &path, const Target &target, Notice *warning) {
    struct stat st {};
    if (!target.exists || ::fstat(fd, &st) != 0 || (st.st_uid == target.owner && st.st_gid == target.group))
        return;
    if (::fchown(fd, target.owner, target.group) == 0)
        return;
    const QString why = qt_error_string(errno);
    if (st.st_gid != target.group && ::fchown(fd, uid_t(-1), target.group) == 0)
        st.st_gid = target.group;
    if (warning)
        *warning = Notice(phrase("Notice",
                                 "\"%1\" was saved, but it now belongs to %2 (group %3) instead of %4 (group %5): %6"))
                       .arg(path, userName(st.st_uid), groupName(st.st_gid), userName(target.owner),
                            groupName(target.group), why);
}

// A new temporary file beside the target; -1 with `error` set when none can be made.
int createTemporary(const QString &path, const Target &target, QByteArray &name, Notice *error) {
    name = target.path + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        fail(error, path, phrase("Notice", "\"%1\" could not be created: %2"), qt_error_string(errno));
    return fd;
}

} // namespace

bool checkCanCreate(const QString &path, Notice *error) {
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

bool writeFileAtomically(const QString &path, const QByteArray &bytes, Notice *error, Notice *warning) {
    if (warning)
        *warning = {};
    Target target;
    if (!prepare(path, target, error))
        return false;
    QByteArray name;
    const int fd = createTemporary(path, target, name, error);
    if (fd < 0)
        return false;
    auto abandon = [&](const Notice::Value &why) {
        ::close(fd);
        ::unlink(name.constData());
        return fail(error, path, phrase("Notice", "\"%1\" could not be written: %2"), why);
    };
    // A replaced file keeps its owner where it may and its permissions; a new one gets those
    // any new file gets here. The mode comes last, since a change of owner clears set-id bits.
    keepOwner(fd, path, target, warning);
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
            const Notice why =
                n < 0 ? Notice::verbatim(qt_error_string(errno)) : Notice(phrase("Notice", "nothing more was taken"));
            return abandon(Notice(phrase("Notice", "only %1 of %2 bytes could be written (%3; is the disk full?)"))
                               .arg(written)
                               .arg(bytes.size())
                               .arg(why));
        }
        written += n;
    }
    if (::fsync(fd) != 0)
        return abandon(qt_error_string(errno));
    if (::close(fd) != 0) {
        const QString why = qt_error_string(errno);
        ::unlink(name.constData());
        return fail(error, path, phrase("Notice", "\"%1\" could not be written: %2"), why);
    }
    if (::rename(name.constData(), target.path.constData()) != 0) {
        const QString why = qt_error_string(errno);
        ::unlink(name.constData());
        return fail(error, path, phrase("Notice", "\"%1\" could not be written: %2"), why);
    }
    return true;
}
