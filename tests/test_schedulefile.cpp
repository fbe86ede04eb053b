#include "ScheduleFixtures.h"
#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime ExportMoment(QDate(2026, 12, 5), QTime(14, 30, 7));
const QLocale French(QLocale::French, QLocale::France);

// The empty frame of `slot` as the player expects it on 5 December 2026 at 14:30.
QByteArray emptyFrameFixture(int slot) {
    return bytes({0x00, slot, 0x81, 0x00, 0x11, 0x11, 0x11, 0,    0,    0,    0,    0,
                  0,    0x1C, 5,    26,   14,   30,   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
}

void putRecord(QByteArray &file, int slot, const QByteArray &record) {
    file.replace(FrameSize * (slot - 1), FrameSize, record);
}

QByteArray exportedImage(const Project &project) {
    QTemporaryDir dir;
    QString error;
    if (!ExportRun(project, dir.path(), ManualClock(ExportMoment), &error, nullptr, {}, French))
        return {};
    return readAll(ScheduleFilePath(dir.path()));
}

} // namespace

class TestScheduleFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() {
        // The long time format carries the zone name.
        qputenv("TZ", "UTC");
        QVERIFY(m_dir.isValid());
    }

    void emptyProject_exportsEmptyFrames() {
        const ManualClock clock(ExportMoment);
        QStringList log;
        QString error;
        QVERIFY2(ExportRun(Project(), m_dir.path(), clock, &error, &log, {}, French), qPrintable(error));

        const QByteArray file = readAll(path(QStringLiteral("quillon.msg")));
        QCOMPARE(file.size(), 6120 + 22);
        for (int k = 1; k <= 255; ++k)
            QCOMPARE(file.mid(24 * (k - 1), 24), emptyFrameFixture(k));
        QCOMPARE(file.mid(6120), QByteArray("05/12/202614:30:07 UTC"));

        QCOMPARE(log.size(), 255);
        QCOMPARE(log.first(), QStringLiteral(" 0 1 129 0 17 17 17 0 0 0 0 0 0 28 5 26 14 30 255 255 255 255 255 255"));
        QCOMPARE(log.last(), QStringLiteral(" 0 255 129 0 17 17 17 0 0 0 0 0 0 28 5 26 14 30 255 255 255 255 255 255"));
    }

    void program_isAtItsSlotOffsetWhateverItsPosition_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::newRow("slot 1, first") << 1 << 0;
        QTest::newRow("slot 128, middle") << 128 << 2;
        QTest::newRow("slot 255, last") << 255 << 4;
        QTest::newRow("slot 2, last") << 2 << 4;
    }

    void program_isAtItsSlotOffsetWhateverItsPosition() {
        QFETCH(int, code);
        QFETCH(int, position);
        const QList<int> others = {40, 30, 20, 10};
        Project project;
        for (int other : others) {
            TORBEXProg p(ExportMoment);
            p.Inputs = quint8(other);
            project.Programs.append(p);
        }
        project.Programs.insert(position, sampleProgram(code));

        const QByteArray file = exportedImage(project);
        QCOMPARE(file.size(), 6142);
        QCOMPARE(file.mid(24 * (code - 1), 24), sampleFixture(code));
        for (int other : others)
            QCOMPARE(quint8(file[24 * (other - 1) + 2]), quint8(0x21)); // active, one action, not empty
        int emptyRecords = 0;
        for (int k = 1; k <= 255; ++k)
            emptyRecords += quint8(file[24 * (k - 1) + 2]) >= 0x80 ? 1 : 0;
        QCOMPARE(emptyRecords, 255 - 5);
    }

    void sameCodeTwice_exportsOnlyTheLaterProgram() {
        Project project;
        TORBEXProg earlier = sampleProgram(7);
        earlier.ActionParam[0] = 1;
        TORBEXProg later = sampleProgram(7);
        project.Programs = {earlier, sampleProgram(9), later};

        const QByteArray file = exportedImage(project);
        QCOMPARE(file.mid(24 * 6, 24), sampleFixture(7));
        QCOMPARE(file.mid(24 * 8, 24), sampleFixture(9));
    }

    void dateStamp_replacesCharactersOutsideTheCodePage() {
        QCOMPARE(ScheduleDateStamp(ExportMoment, QLocale(QLocale::Japanese, QLocale::Japan)),
                 QByteArray("2026/12/0514?30?07? UTC"));
        QCOMPARE(ScheduleDateStamp(ExportMoment, QLocale(QLocale::English, QLocale::UnitedStates)),
                 QByteArray("12/5/262:30:07 PM UTC"));
    }

    void export_reportsEverySlotThenFinalization() {
        QStringList events;
        ScheduleProgress progress;
        progress.slotDone = [&](int slot, int count) { events << QStringLiteral("%1/%2").arg(slot).arg(count); };
        progress.finalizing = [&] { events << QStringLiteral("final"); };
        QString error;
        QVERIFY(ExportRun(Project(), m_dir.path(), ManualClock(ExportMoment), &error, nullptr, progress, French));
        QCOMPARE(events.size(), 256);
        QCOMPARE(events.first(), QStringLiteral("1/255"));
        QCOMPARE(events.at(11), QStringLiteral("12/255"));
        QCOMPARE(events.at(254), QStringLiteral("255/255"));
        QCOMPARE(events.last(), QStringLiteral("final"));
    }

    void export_replacesAnOlderLongerFile() {
        QTemporaryDir dir;
        QVERIFY(writeAll(ScheduleFilePath(dir.path()), QByteArray(9000, 'x')));
        QString error;
        QVERIFY(ExportRun(Project(), dir.path() + QLatin1Char('/'), ManualClock(ExportMoment), &error, nullptr, {},
                          French));
        const QByteArray file = readAll(ScheduleFilePath(dir.path()));
        QCOMPARE(file.size(), 6142);
        QCOMPARE(file.left(24), emptyFrameFixture(1));
    }

    void export_intoMissingOrNonFolder_failsNamingTheFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("no-such-folder") << QStringLiteral("does not exist");
        QTest::newRow("a file") << QStringLiteral("plain-file") << QStringLiteral("is not a folder");
    }

    void export_intoMissingOrNonFolder_failsNamingTheFile() {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QVERIFY(writeAll(path(QStringLiteral("plain-file")), "x"));
        const QString target = path(folder);
        QString error;
        QVERIFY(!ExportRun(Project(), target, ManualClock(ExportMoment), &error, nullptr, {}, French));
        QVERIFY2(error.contains(target + QStringLiteral("/quillon.msg")), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void export_intoReadOnlyFolder_failsNamingTheFile() {
        QTemporaryDir dir;
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        if (QFile probe(dir.filePath(QStringLiteral("probe"))); probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QSKIP("this user can write into read-only folders");
        }
        QString error;
        const bool written = ExportRun(Project(), dir.path(), ManualClock(ExportMoment), &error, nullptr, {}, French);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written);
        QVERIFY2(error.contains(ScheduleFilePath(dir.path())), qPrintable(error));
    }

    void importOfExport_restoresEveryCarriedFieldInSlotOrder() {
        Project project;
        TORBEXProg a = sampleProgram(200);
        a.Title = QStringLiteral("Morning");
        a.Color = ProgramColors[5];
        a.Comments = QStringList{QStringLiteral("one"), QStringLiteral("two")};
        TORBEXProg b(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)));
        b.Inputs = 3;
        b.Active = 0;
        b.ActionCount = 6;
        b.ActionKind = {12, 11, 10, 9, 5, 4};
        b.ActionParam = {255, 1, 2, 3, 4, 5};
        b.ActionValue = {0, 1, 2, 3, 4, 5};
        b.TimerMode = 3;
        TORBEXProg c = sampleProgram(255);
        c.Date = QDate(2000, 1, 1);
        c.Time = QTime(0, 0);
        project.Programs = {a, b, c};
        QVERIFY(writeAll(path(QStringLiteral("round.msg")), exportedImage(project)));

        ScheduleImport imported;
        QString error;
        QVERIFY2(ImportRun(path(QStringLiteral("round.msg")), ManualClock(ExportMoment), imported, &error),
                 qPrintable(error));
        QVERIFY(imported.CorrectedSlots.isEmpty());
        QCOMPARE(imported.Programs.size(), 3);
        const QList<TORBEXProg> inSlotOrder = {b, a, c};
        for (int i = 0; i < 3; ++i) {
            TORBEXProg expected = inSlotOrder[i];
            expected.Title = QStringLiteral("...");
            expected.Color = 0x0080FF;
            expected.Comments = QStringList{QStringLiteral("...")};
            QVERIFY2(imported.Programs[i].sameContent(expected), qPrintable(QString::number(expected.Inputs)));
        }
        QCOMPARE(imported.Programs[0].Time, QTime(23, 59)); // the seconds do not travel
    }

    void handMadeFile_importsOnlyNonEmptySlots() {
        QByteArray file = emptyRecords();
        putRecord(file, 42, sampleFixture(42));
        // Byte 5 being 0x80 does not make a slot empty.
        putRecord(file, 9,
                  bytes({0, 9, 0x01, 0, 0x18, 0x80, 0, 1, 2, 3, 4, 5, 6, 0x12, 29, 24, 7, 5, 1, 2, 3, 4, 5, 6}));
        QVERIFY(writeAll(path(QStringLiteral("hand.msg")), file));

        ScheduleImport imported;
        QString error;
        QVERIFY(ImportRun(path(QStringLiteral("hand.msg")), ManualClock(ExportMoment), imported, &error));
        QCOMPARE(imported.Programs.size(), 2);
        const TORBEXProg &first = imported.Programs[0];
        QCOMPARE(first.Inputs, quint8(9));
        QCOMPARE(first.Active, quint8(0));
        QCOMPARE(first.ActionCount, quint8(1));
        QCOMPARE(first.ActionKind, (std::array<quint8, 6>{1, 8, 8, 0, 0, 0}));
        QCOMPARE(first.Date, QDate(2024, 2, 29));
        QCOMPARE(first.Time, QTime(7, 5));
        QCOMPARE(first.Title, QStringLiteral("..."));
        QCOMPARE(first.Color, quint32(0x0080FF));
        QCOMPARE(first.Comments, QStringList{QStringLiteral("...")});
        QVERIFY(imported.Programs[1].sameContent(sampleProgram(42)));
    }

    void shortFile_isRefusedWithNothingImported_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("empty") << 0;
        QTest::newRow("one record") << 24;
        QTest::newRow("one byte short") << 6119;
    }

    void shortFile_isRefusedWithNothingImported() {
        QFETCH(int, size);
        QByteArray file = emptyRecords();
        putRecord(file, 1, sampleFixture(1));
        const QString name = path(QStringLiteral("short.msg"));
        QVERIFY(writeAll(name, file.left(size)));

        ScheduleImport imported;
        imported.Programs.append(TORBEXProg());
        QString error;
        QVERIFY(!ImportRun(name, ManualClock(ExportMoment), imported, &error));
        QVERIFY(imported.Programs.isEmpty());
        QVERIFY2(error.contains(name) && error.contains(QStringLiteral("6120")), qPrintable(error));
    }

    void longerFile_importsNormally_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("nothing more") << QByteArray();
        QTest::newRow("date stamp") << QByteArray("05/12/202614:30:07 UTC");
        QTest::newRow("a whole second file") << emptyRecords().replace(2, 1, "\x01");
    }

    void longerFile_importsNormally() {
        QFETCH(QByteArray, tail);
        QByteArray file = emptyRecords();
        putRecord(file, 100, sampleFixture(100));
        const QString name = path(QStringLiteral("long.msg"));
        QVERIFY(writeAll(name, file + tail));

        ScheduleImport imported;
        QString error;
        QVERIFY2(ImportRun(name, ManualClock(ExportMoment), imported, &error), qPrintable(error));
        QCOMPARE(imported.Programs.size(), 1);
        QVERIFY(imported.Programs[0].sameContent(sampleProgram(100)));
    }

    void impossibleDates_areCorrectedAndReported() {
        QByteArray file = emptyRecords();
        QByteArray month13 = sampleFixture(5);
        month13[13] = char(0x7D);
        QByteArray hour24 = sampleFixture(9);
        hour24[16] = char(24);
        QByteArray february30 = sampleFixture(200);
        february30[13] = char(0x72);
        february30[14] = char(30);
        putRecord(file, 5, month13);
        putRecord(file, 9, hour24);
        putRecord(file, 77, sampleFixture(77));
        putRecord(file, 200, february30);
        QVERIFY(writeAll(path(QStringLiteral("odd.msg")), file));

        ScheduleImport imported;
        QString error;
        QVERIFY(ImportRun(path(QStringLiteral("odd.msg")), ManualClock(ExportMoment), imported, &error));
        QCOMPARE(imported.Programs.size(), 4);
        QCOMPARE(imported.CorrectedSlots, (QList<int>{5, 9, 200}));
        QCOMPARE(imported.Programs[0].Date, QDate(2025, 12, 9));
        QCOMPARE(imported.Programs[1].Time, QTime(23, 45));
        QCOMPARE(imported.Programs[3].Date, QDate(2025, 2, 28));
        QCOMPARE(CorrectedSlotsWarning(imported.CorrectedSlots),
                 QStringLiteral("The date or time of program(s) 005, 009, 200 did not exist and was corrected."));
        QVERIFY(CorrectedSlotsWarning({}).isEmpty());
    }

    void anyBytes_importWithoutFailing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("programs");
        QTest::newRow("all zero") << QByteArray(6120, '\0') << 255;
        QTest::newRow("all 0xFF") << QByteArray(6120, '\xFF') << 0;
        QByteArray noise(6120 + 7, '\0');
        quint32 seed = 12345;
        int nonEmpty = 0;
        for (int i = 0; i < noise.size(); ++i) {
            seed = seed * 1103515245u + 12345u;
            noise[i] = char(seed >> 16);
            if (i < 6120 && i % 24 == 2 && quint8(noise[i]) < 0x80)
                ++nonEmpty;
        }
        QTest::newRow("noise") << noise << nonEmpty;
    }

    void anyBytes_importWithoutFailing() {
        QFETCH(QByteArray, content);
        QFETCH(int, programs);
        ScheduleImport imported;
        QString error;
        QVERIFY(ImportScheduleRecords(content, ExportMoment, imported, &error));
        QCOMPARE(imported.Programs.size(), programs);
        for (const TORBEXProg &p : imported.Programs) {
            QVERIFY(p.Date.isValid());
            QVERIFY(p.Time.isValid());
        }
    }

    void import_reportsEverySlotThenFinalization() {
        int lastSlot = 0;
        int calls = 0;
        bool finalized = false;
        ScheduleProgress progress;
        progress.slotDone = [&](int slot, int count) {
            QCOMPARE(count, 255);
            QCOMPARE(slot, lastSlot + 1);
            lastSlot = slot;
            ++calls;
        };
        progress.finalizing = [&] { finalized = true; };
        ScheduleImport imported;
        QVERIFY(ImportScheduleRecords(emptyRecords(), ExportMoment, imported, nullptr, progress));
        QCOMPARE(calls, 255);
        QVERIFY(finalized);
    }

    void unreadableFile_failsNamingTheFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << QStringLiteral("absent.msg");
        QTest::newRow("a folder") << QString();
    }

    void unreadableFile_failsNamingTheFile() {
        QFETCH(QString, name);
        const QString target = name.isEmpty() ? m_dir.path() : path(name);
        ScheduleImport imported;
        QString error;
        QVERIFY(!ImportRun(target, ManualClock(ExportMoment), imported, &error));
        QVERIFY(imported.Programs.isEmpty());
        QVERIFY2(error.contains(QLatin1Char('\'') + target + QLatin1Char('\'')), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestScheduleFile)
#include "test_schedulefile.moc"
