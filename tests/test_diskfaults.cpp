// After a failed write the previous file stays, no temporary file is left, and the message names
// the file. A file size limit stands for a full disk.
#include "TestSupport.h"
#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"
#include "project/Settings.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum class Writer { Project, Settings, Schedule };
enum class Fault { FullDisk, ReadOnlyFolder, ReadOnlyFile, NotAFolder };

QString targetPath(Writer writer, const QString &folder) {
    if (writer == Writer::Schedule)
        return ScheduleFilePath(folder);
    return QDir(folder).filePath(writer == Writer::Project ? "hall.prg" : "quillon-programmer.CFG");
}

// Writes a small file, or a newer one of more than 4 KiB.
bool write(Writer writer, const QString &folder, bool bigger, Notice *error) {
    const QString path = targetPath(writer, folder);
    Settings settings;
    settings.ProjectPath = QStringLiteral("/project/").repeated(bigger ? 1000 : 1);
    const Project project{ProjectProperties(), QList<Program>(bigger ? 60 : 1, Program())};
    const ManualClock clock(QDateTime(QDate(2026, 12, bigger ? 6 : 5), QTime(14, 30)));
    return writer == Writer::Settings  ? WriteSettings(path, settings, error)
           : writer == Writer::Project ? WriteProjectFile(path, project, error)
                                       : ExportRun(project, folder, clock, error, nullptr, {}, QLocale::c());
}

// Makes a file or folder unwritable for this process, or writable again: permission bits for a
// normal user, the immutable flag for root, whom permission bits do not stop. False when the
// system refuses.
bool protect(const QString &path, bool on) {
    if (geteuid() != 0) {
        const auto write = QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup;
        return QFile::setPermissions(path, on ? QFile::permissions(path) & ~write : QFile::permissions(path) | write);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    int flags = 0;
    bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return ok;
}

const char *const NoProtection = "root ignores permission bits and the immutable flag could not be set here (it "
                                 "needs CAP_LINUX_IMMUTABLE and a filesystem that has the flag)";

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Fault)

class TestDiskFaults : public QObject {
    Q_OBJECT

private slots:
    void failedWrite_keepsThePreviousFile_data() {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QString>("message");
        const std::tuple<const char *, Writer, const char *> writers[] = {
            {"project", Writer::Project, "could not be created"},
            {"settings", Writer::Settings, "could not be created"},
            {"schedule", Writer::Schedule, "is not a folder"}};
        for (const auto &[name, writer, notAFolder] : writers) {
            QTest::addRow("%s, full disk", name) << writer << Fault::FullDisk << "could not be written: only 4096 of";
            QTest::addRow("%s, read-only folder", name) << writer << Fault::ReadOnlyFolder << "";
            QTest::addRow("%s, read-only file", name) << writer << Fault::ReadOnlyFile << "";
            QTest::addRow("%s, not a folder", name) << writer << Fault::NotAFolder << notAFolder;
        }
    }
    void failedWrite_keepsThePreviousFile() {
        QFETCH(Writer, writer);
        QFETCH(Fault, fault);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = targetPath(writer, dir.path());
        Notice error;
        QVERIFY2(write(writer, dir.path(), false, &error), qPrintable(english(error)));
        const QByteArray previous = readAll(path);
        bool written = false;
        if (fault == Fault::FullDisk) { // no file may grow beyond 4 KiB
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit small{4096, saved.rlim_max};
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            setrlimit(RLIMIT_FSIZE, &small);
            written = write(writer, dir.path(), true, &error);
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, handler);
        } else if (fault == Fault::NotAFolder) {
            QVERIFY(writeAll(dir.filePath("plain"), "x"));
            written = write(writer, dir.filePath("plain"), true, &error);
            QVERIFY2(english(error).contains(targetPath(writer, dir.filePath("plain"))), qPrintable(english(error)));
            QVERIFY(QFile::remove(dir.filePath("plain")));
        } else {
            const QString target = fault == Fault::ReadOnlyFolder ? dir.path() : path;
            if (!protect(target, true))
                QSKIP(NoProtection);
            written = write(writer, dir.path(), true, &error);
            Settings read; // settings that cannot be written are still read
            const bool readable = writer != Writer::Settings || (ReadSettings(path, read, {QStringLiteral("(None)")}) &&
                                                                 read.ProjectPath == QStringLiteral("/project/"));
            QVERIFY(protect(target, false) && readable);
        }
        QVERIFY2(!written && english(error).contains(message) &&
                     (fault == Fault::NotAFolder || english(error).contains(path)),
                 qPrintable(english(error)));
        QCOMPARE(readAll(path), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
    }

    // A save by root gives the new file the old one's owner and group; a user who may not give
    // files away is told so, and the file keeps its mode at least.
    void replacement_keepsTheOwnerWhereItMay_data() {
        QTest::addColumn<int>("saver");
        QTest::newRow("by root") << 0;
        QTest::newRow("by another user") << 65534;
    }
    void replacement_keepsTheOwnerWhereItMay() {
        QFETCH(int, saver);
        if (geteuid() != 0)
            QSKIP("giving a file to another user takes root");
        QTemporaryDir dir;
        const QString path = dir.filePath("hall.prg");
        const QByteArray name = QFile::encodeName(path);
        QVERIFY(writeAll(path, "old") && ::chown(name, 4321, 4322) == 0 && ::chmod(name, 0646) == 0 &&
                ::chmod(QFile::encodeName(dir.path()), 0777) == 0);
        Notice error, warning;
        QVERIFY(::seteuid(uid_t(saver)) == 0);
        const bool written = WriteProjectFile(path, Project(), &error, &warning);
        QVERIFY(::seteuid(0) == 0);
        QVERIFY2(written, qPrintable(english(error)));
        struct stat st {};
        QVERIFY(::stat(name, &st) == 0 && readAll(path) == projectFileBytes(Project()));
        QCOMPARE(QString::asprintf("%o %u:%u", st.st_mode & 07777, st.st_uid, st.st_gid),
                 saver ? QString::asprintf("646 %d:%u", saver, getegid()) : QString("646 4321:4322"));
        const QString lost = "\" was saved, but it now belongs to nobody (group root) instead of 4321 (group 4322): ";
        QCOMPARE(english(warning), saver ? u'"' + path + lost + qt_error_string(EPERM) : QString());
    }

    // A symbolic link is followed, also to a file it names that does not exist yet, and a loop
    // of links is refused; a hard link's other name keeps what it held.
    void replacement_followsLinksAndRefusesALoop() {
        QTemporaryDir dir;
        const auto at = [&](const char *name) { return QFile::encodeName(dir.filePath(name)); };
        QVERIFY(QDir(dir.path()).mkdir("sub") && ::symlink("../made.prg", at("sub/hall.prg")) == 0 &&
                ::symlink("loop-b", at("loop-a")) == 0 && ::symlink("loop-a", at("loop-b")) == 0 &&
                writeAll(dir.filePath("kept.prg"), "old") && ::link(at("kept.prg"), at("other.prg")) == 0);
        Notice error;
        QVERIFY2(WriteProjectFile(dir.filePath("sub/hall.prg"), Project(), &error), qPrintable(english(error)));
        QVERIFY2(WriteProjectFile(dir.filePath("kept.prg"), Project(), &error), qPrintable(english(error)));
        QVERIFY(!WriteProjectFile(dir.filePath("loop-a"), Project(), &error));
        QCOMPARE(english(error),
                 u'"' + dir.filePath("loop-a") +
                     "\" could not be created: it is a symbolic link that leads back to itself (a link loop)");
        QVERIFY(QFileInfo(dir.filePath("sub/hall.prg")).isSymLink() && QFileInfo(dir.filePath("loop-a")).isSymLink());
        QVERIFY(readAll(dir.filePath("made.prg")) == projectFileBytes(Project()) &&
                readAll(dir.filePath("kept.prg")) == projectFileBytes(Project()) &&
                readAll(dir.filePath("other.prg")) == "old");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System),
                 QStringList({"kept.prg", "loop-a", "loop-b", "made.prg", "other.prg"}));
    }
};

QTEST_GUILESS_MAIN(TestDiskFaults)
#include "test_diskfaults.moc"
