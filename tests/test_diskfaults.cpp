// Disk faults under the three files the program writes (the project, the settings file and
// the player's schedule file): a full disk, a folder that cannot be written, a file that
// cannot be replaced. Nothing is lost: the previous file stays as it was, no temporary file
// is left behind, and the message names the file.
//
// Permission bits do not stop root, so for root the folder or file is made immutable instead
// (chattr +i); the full disk is a small tmpfs mounted for the test. Where the system refuses
// either, the case is skipped with the reason.

#include "TestSupport.h"
#include "player/ScheduleFile.h"
#include "project/ProjectFile.h"
#include "project/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <functional>
#include <linux/fs.h>
#include <optional>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const QDateTime Now(QDate(2026, 12, 5), QTime(14, 30, 7));
const QLocale English(QLocale::English, QLocale::UnitedKingdom);

Project projectOf(int programs) {
    Project project;
    project.Group.ProjectName = QStringLiteral("Hall B");
    for (int i = 1; i <= programs; ++i) {
        TORBEXProg p(Now);
        p.Inputs = quint8(i);
        p.Comments = QStringList(20, QStringLiteral("a comment line long enough to fill the disk quickly"));
        project.Programs.append(p);
    }
    return project;
}

// The three writers, each given the folder and a variant (0 the earlier file, 1 the new one).
enum class Writer { Project, Settings, Schedule };

QString targetPath(Writer writer, const QString &folder) {
    switch (writer) {
    case Writer::Project:
        return QDir(folder).filePath(QStringLiteral("hall.prg"));
    case Writer::Settings:
        return QDir(folder).filePath(QStringLiteral("quillon-programmer.CFG"));
    case Writer::Schedule:
        return ScheduleFilePath(folder);
    }
    return {};
}

bool write(Writer writer, const QString &folder, int variant, QString *error) {
    const QString path = targetPath(writer, folder);
    switch (writer) {
    case Writer::Project:
        return WriteProjectFile(path, projectOf(variant == 0 ? 1 : 40), error);
    case Writer::Settings: {
        Settings s;
        s.ProjectPath = variant == 0 ? QStringLiteral("/a.prg") : QStringLiteral("/b/").repeated(4000);
        s.ExportPath = QStringLiteral("/media/usb/");
        return WriteSettings(path, s, error);
    }
    case Writer::Schedule:
        return ExportRun(projectOf(variant == 0 ? 0 : 9), folder, ManualClock(Now.addDays(variant)), error, nullptr, {},
                         English);
    }
    return false;
}

// Sets or clears the immutable flag of a file or folder; false when the system refuses.
bool setImmutable(const QString &path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

// Makes a file or folder unwritable for this process until destroyed: permission bits for a
// normal user, the immutable flag for root.
class WriteProtection {
public:
    explicit WriteProtection(const QString &path)
        : m_path(path)
        , m_permissions(QFile::permissions(path)) {
        if (geteuid() != 0) {
            m_applied =
                QFile::setPermissions(path, m_permissions & ~(QFileDevice::WriteOwner | QFileDevice::WriteUser |
                                                              QFileDevice::WriteGroup | QFileDevice::WriteOther));
            m_how = Bits;
        } else {
            m_applied = setImmutable(path, true);
            m_how = Immutable;
        }
    }
    ~WriteProtection() { lift(); }
    void lift() {
        if (!m_applied)
            return;
        if (m_how == Bits)
            QFile::setPermissions(m_path, m_permissions);
        else
            setImmutable(m_path, false);
        m_applied = false;
    }
    bool applied() const { return m_applied; }
    static QString unavailableReason() {
        return QStringLiteral("root ignores permission bits and the immutable flag could not be set here (it needs "
                              "CAP_LINUX_IMMUTABLE and a filesystem that has the flag)");
    }

private:
    enum How { Bits, Immutable };
    QString m_path;
    QFileDevice::Permissions m_permissions;
    How m_how = Bits;
    bool m_applied = false;
};

// A tmpfs of 64 KiB mounted on a temporary folder for the life of the object.
class SmallDisk {
public:
    SmallDisk() {
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                            "size=64k,mode=0700") == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    // Writes a filler file until the disk refuses more.
    bool fill() const {
        QFile filler(QDir(m_dir.path()).filePath(QStringLiteral("filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(512, 'x');
        for (int i = 0; i < 1000; ++i)
            if (filler.write(block) != block.size())
                return true;
        return false;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

void addWriterRows() {
    QTest::addColumn<Writer>("writer");
    QTest::newRow("project file") << Writer::Project;
    QTest::newRow("settings file") << Writer::Settings;
    QTest::newRow("player's schedule file") << Writer::Schedule;
}

} // namespace

Q_DECLARE_METATYPE(Writer)

class TestDiskFaults : public QObject {
    Q_OBJECT

    enum class Protected { Folder, File };

    // Writes the earlier file, protects its folder or the file itself, then writes the new
    // one: the write fails naming the file, which stays as it was, alone in its folder.
    static void protectedWrite_keepsThePreviousFile(Writer writer, Protected what) {
        QTemporaryDir dir;
        const QString path = targetPath(writer, dir.path());
        QString error;
        QVERIFY2(write(writer, dir.path(), 0, &error), qPrintable(error));
        const QByteArray previous = readAll(path);
        WriteProtection protection(what == Protected::Folder ? dir.path() : path);
        if (!protection.applied())
            QSKIP(qPrintable(WriteProtection::unavailableReason()));

        const bool written = write(writer, dir.path(), 1, &error);
        protection.lift();

        QVERIFY(!written);
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(readAll(path), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
    }

private slots:
    void fullDisk_keepsThePreviousFile_data() { addWriterRows(); }
    void fullDisk_keepsThePreviousFile() {
        QFETCH(Writer, writer);
        SmallDisk disk;
        if (!disk.mounted())
            QSKIP("mounting a tmpfs needs CAP_SYS_ADMIN; the file size limit case of test_projectfile stands in");
        const QString path = targetPath(writer, disk.path());
        QString error;
        QVERIFY2(write(writer, disk.path(), 0, &error), qPrintable(error));
        const QByteArray previous = readAll(path);
        QVERIFY(disk.fill());

        QVERIFY(!write(writer, disk.path(), 1, &error));

        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY2(error.contains(QStringLiteral("No space left on device")) || error.contains(QStringLiteral("full")),
                 qPrintable(error));
        QCOMPARE(readAll(path), previous);
        QStringList files{QFileInfo(path).fileName(), QStringLiteral("filler")};
        files.sort();
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), files);
    }

    void folderWithoutWritePermission_keepsThePreviousFile_data() { addWriterRows(); }
    void folderWithoutWritePermission_keepsThePreviousFile() {
        QFETCH(Writer, writer);
        protectedWrite_keepsThePreviousFile(writer, Protected::Folder);
    }

    void readOnlyFile_isNotReplaced_data() { addWriterRows(); }
    void readOnlyFile_isNotReplaced() {
        QFETCH(Writer, writer);
        protectedWrite_keepsThePreviousFile(writer, Protected::File);
    }

    void settingsInReadOnlyFolder_areReadButNotReplaced() {
        QTemporaryDir dir;
        const QString path = targetPath(Writer::Settings, dir.path());
        const QStringList ports = {QStringLiteral("(None)"), QStringLiteral("ttyS0")};
        Settings stored;
        stored.CurrentLanguage = 4;
        stored.SelectedPortName = QStringLiteral("ttyS0");
        stored.ProjectPath = QStringLiteral("/home/anna/hall.prg");
        QVERIFY(WriteSettings(path, stored));
        const QByteArray previous = readAll(path);
        WriteProtection protection(dir.path());
        if (!protection.applied())
            QSKIP(qPrintable(WriteProtection::unavailableReason()));

        Settings read;
        QString readError;
        const bool readOk = ReadSettings(path, read, ports, &readError);
        Settings changed = read;
        changed.ProjectPath.clear();
        QString writeError;
        const bool written = WriteSettings(path, changed, &writeError);
        protection.lift();

        QVERIFY2(readOk, qPrintable(readError));
        QVERIFY(read == stored);
        QVERIFY(!written);
        QVERIFY2(writeError.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)),
                 qPrintable(writeError));
        QCOMPARE(readAll(path), previous);
    }

    void missingSettingsInReadOnlyFolder_failNamingTheFileAndKeepDefaults() {
        QTemporaryDir dir;
        const QString path = targetPath(Writer::Settings, dir.path());
        WriteProtection protection(dir.path());
        if (!protection.applied())
            QSKIP(qPrintable(WriteProtection::unavailableReason()));
        Settings s;
        s.ExportPath = QStringLiteral("/opt/quillon/");
        const Settings before = s;
        QString error;
        const bool ok = ReadSettings(path, s, {QStringLiteral("(None)")}, &error);
        protection.lift();
        QVERIFY(!ok);
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)), qPrintable(error));
        QVERIFY(s == before);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestDiskFaults)
#include "test_diskfaults.moc"
