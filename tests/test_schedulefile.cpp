// The player's schedule file quillon.msg: exported and imported against records by hand.
#include "TestSupport.h"
#include "player/ScheduleFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime ExportMoment(QDate(2026, 12, 5), QTime(14, 30, 7));
const QLocale French(QLocale::French, QLocale::France);

// Weekly on Sunday at 06:45 (9 March 2025), priority, four actions; its frame by hand.
TORBEXProg sample(int code) {
    TORBEXProg p(QDateTime(QDate(2025, 3, 9), QTime(6, 45)));
    p.Inputs = quint8(code);
    p.Priority = p.TimerOn = 1;
    p.TimerMode = TimerWeekly;
    p.DayOftheWeek = 7;
    p.ActionCount = 4;
    p.ActionKind = {0, 6, 8, 3, 1, 1};
    p.ActionParam = {17, 4, 99, 3, 0, 0};
    p.ActionValue[1] = 128;
    return p;
}
QByteArray sampleFrame(int code) {
    return QByteArray::fromHex("00 00 34 12 06 83 11 11 04 63 03 00 00 73 09 19 06 2d ff 80 ff ff ff ff")
        .replace(1, 1, QByteArray(1, char(code)));
}
// Slot k empty, as export writes it on 5 December 2026 at 14:30 (byte 2 0x21: a new program).
QByteArray emptyFrame(int k, char flags = char(0x81)) {
    return bytes(
        {0, k, flags, 0, 0x11, 0x11, 0x11, 0, 0, 0, 0, 0, 0, 0x1C, 5, 26, 14, 30, 255, 255, 255, 255, 255, 255});
}
QByteArray records(const QMap<int, QByteArray> &frames = {}) {
    QByteArray out;
    for (int k = 1; k <= 255; ++k)
        out += frames.value(k, emptyFrame(k));
    return out;
}

} // namespace

class TestScheduleFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    ScheduleImport imported(const QByteArray &file, QString *error = nullptr) {
        ScheduleImport out;
        writeAll(path(QStringLiteral("in.msg")), file);
        ImportRun(path(QStringLiteral("in.msg")), ManualClock(ExportMoment), out, error);
        return out;
    }

private slots:
    void initTestCase() { qputenv("TZ", "UTC"); } // the long time format carries the zone name

    // Each program at the offset of its code, the later of two with one code; an older, longer
    // file replaced; the stamp in the short date and long time; one log line per slot.
    void export_writesEverySlotThenTheStamp_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("position");
        QTest::newRow("empty project") << 0 << 0;
        QTest::newRow("slot 1, first") << 1 << 1;
        QTest::newRow("slot 128, middle") << 128 << 3;
        QTest::newRow("slot 255, last") << 255 << 5;
        QTest::newRow("slot 2, last") << 2 << 5;
    }
    void export_writesEverySlotThenTheStamp() {
        QFETCH(int, code);
        QFETCH(int, position);
        Project project;
        QMap<int, QByteArray> expected;
        for (int other : {40, 30, 20, 10}) {
            project.Programs.append(TORBEXProg(ExportMoment));
            project.Programs.last().Inputs = quint8(other);
            expected[other] = emptyFrame(other, 0x21);
        }
        if (code) {
            project.Programs.prepend(sample(code));
            project.Programs.first().ActionParam[0] = 1;
            project.Programs.insert(position, sample(code));
            expected[code] = sampleFrame(code);
        } else {
            project.Programs.clear();
            expected.clear();
        }
        QVERIFY(writeAll(ScheduleFilePath(m_dir.path()), QByteArray(9000, 'x')));
        QStringList log;
        QString error;
        QVERIFY(ExportRun(project, m_dir.path() + u'/', ManualClock(ExportMoment), &error, &log, {}, French));
        QCOMPARE(readAll(ScheduleFilePath(m_dir.path())), records(expected) + "05/12/202614:30:07 UTC");
        QCOMPARE(log.size(), 255);
        QCOMPARE(log.at(49), QStringLiteral(" 0 50 129 0 17 17 17 0 0 0 0 0 0 28 5 26 14 30 255 255 255 255 255 255"));
        QCOMPARE(ScheduleDateStamp(ExportMoment, QLocale(QLocale::Japanese, QLocale::Japan)),
                 QByteArray("2026/12/0514?30?07? UTC")); // outside the code page
    }

    void exportAndImport_reportEverySlotThenTheFinalization() {
        QStringList events;
        ScheduleProgress progress;
        progress.slotDone = [&](int slot, int count) { events << QStringLiteral("%1/%2").arg(slot).arg(count); };
        progress.finalizing = [&] { events << QStringLiteral("final"); };
        QVERIFY(ExportRun(Project(), m_dir.path(), ManualClock(ExportMoment), nullptr, nullptr, progress, French));
        ScheduleImport out;
        QVERIFY(ImportScheduleRecords(records(), ExportMoment, out, nullptr, progress));
        QStringList expected;
        for (int k = 1; k <= 255; ++k)
            expected << QStringLiteral("%1/255").arg(k);
        QCOMPARE(events, expected + QStringList{"final"} + expected + QStringList{"final"});
    }

    void export_thatCannotWrite_failsNamingTheFile_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("no-such-folder") << QStringLiteral("does not exist");
        QTest::newRow("a file") << QStringLiteral("plain-file") << QStringLiteral("is not a folder");
        QTest::newRow("read-only") << QStringLiteral("read-only") << QString();
    }
    void export_thatCannotWrite_failsNamingTheFile() {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        QVERIFY(writeAll(path(QStringLiteral("plain-file")), "x"));
        QDir(m_dir.path()).mkdir(QStringLiteral("read-only"));
        QFile::setPermissions(path(QStringLiteral("read-only")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (QFile probe(path(folder + QStringLiteral("/probe"))); reason.isEmpty() && probe.open(QIODevice::WriteOnly))
            QSKIP("this user can write into read-only folders");
        QString error;
        QVERIFY(!ExportRun(Project(), path(folder), ManualClock(ExportMoment), &error, nullptr, {}, French));
        QVERIFY2(error.contains(path(folder) + QStringLiteral("/quillon.msg")) && error.contains(reason),
                 qPrintable(error));
    }

    void importOfExport_restoresEveryCarriedFieldInSlotOrder() {
        TORBEXProg a = sample(200), b(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59))), c = sample(255);
        a.Title = QStringLiteral("Morning");
        a.Color = ProgramColors[5];
        a.Comments = QStringList{QStringLiteral("one"), QStringLiteral("two")};
        b.Inputs = 3;
        b.Active = 0;
        b.TimerMode = TimerHourly;
        b.ActionCount = 6;
        b.ActionKind = {12, 11, 10, 9, 5, 4};
        b.ActionParam = {255, 1, 2, 3, 4, 5};
        b.ActionValue = {0, 1, 2, 3, 4, 5};
        c.Date = QDate(2000, 1, 1);
        c.Time = QTime(0, 0);
        QVERIFY(ExportRun({{}, {a, b, c}}, m_dir.path(), ManualClock(ExportMoment), nullptr, nullptr, {}, French));
        const ScheduleImport back = imported(readAll(ScheduleFilePath(m_dir.path())) + "and more bytes");
        QVERIFY(back.CorrectedSlots.isEmpty());
        QCOMPARE(back.Programs.size(), 3);
        for (int i = 0; TORBEXProg expected : {b, a, c}) { // as the New program command makes it, then the frame
            expected.Title = QStringLiteral("...");
            expected.Color = 0x0080FF;
            expected.Comments = QStringList{QStringLiteral("...")};
            QVERIFY2(back.Programs[i].sameContent(expected), qPrintable(QString::number(expected.Inputs)));
            QCOMPARE(back.Programs[i++].Time.second(), 0);
        }
    }

    void handMadeFile_importsOnlyNonEmptySlots() {
        // Byte 5 being 0x80 does not make a slot empty.
        const QByteArray nine =
            QByteArray::fromHex("00 09 01 00 18 80 00 01 02 03 04 05 06 12 1d 18 07 05 01 02 03 04 05 06");
        const ScheduleImport in = imported(records({{9, nine}, {42, sampleFrame(42)}}));
        QCOMPARE(in.Programs.size(), 2);
        TORBEXProg nineExpected(ExportMoment);
        nineExpected.Inputs = 9;
        nineExpected.Active = 0;
        nineExpected.ActionKind = {1, 8, 8, 0, 0, 0};
        nineExpected.ActionParam = {1, 2, 3, 4, 5, 6};
        nineExpected.ActionValue = {1, 2, 3, 4, 5, 6};
        nineExpected.DayOftheWeek = 1;
        nineExpected.Date = QDate(2024, 2, 29);
        nineExpected.Time = QTime(7, 5);
        QVERIFY(in.Programs[0].sameContent(nineExpected));
        QVERIFY(in.Programs[1].sameContent(sample(42)));
    }

    void fileThatCannotBeImported_importsNothingAndNamesIt_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("size"); // -1: no file
        QTest::newRow("missing") << QStringLiteral("absent.msg") << -1;
        QTest::newRow("a folder") << QString() << -1;
        QTest::newRow("empty") << QStringLiteral("short.msg") << 0;
        QTest::newRow("one byte short") << QStringLiteral("short.msg") << 6119;
        QTest::newRow("one byte past the longest stamp") << QStringLiteral("long.msg") << 7145;
    }
    void fileThatCannotBeImported_importsNothingAndNamesIt() {
        QFETCH(QString, name);
        QFETCH(int, size);
        const QString target = name.isEmpty() ? m_dir.path() : path(name);
        if (size >= 0)
            QVERIFY(writeAll(target, records({{1, sampleFrame(1)}}).leftJustified(size, 'x', true)));
        ScheduleImport out;
        out.Programs.append(TORBEXProg());
        QString error;
        QVERIFY(!ImportRun(target, ManualClock(ExportMoment), out, &error));
        QVERIFY(out.Programs.isEmpty());
        QVERIFY2(error.contains(u'"' + target + u'"') && (size < 0 || error.contains(u"6120 to 7144")),
                 qPrintable(error));
    }

    void impossibleDates_areCorrectedAndNamedInOneWarning() {
        QByteArray month13 = sampleFrame(5), hour24 = sampleFrame(9);
        month13[13] = char(0x7D);
        hour24[16] = char(24);
        const ScheduleImport in = imported(records({{5, month13}, {9, hour24}, {77, sampleFrame(77)}}));
        QCOMPARE(in.CorrectedSlots, (QList<int>{5, 9}));
        QCOMPARE(in.Programs[0].Date, QDate(2025, 12, 9));
        QCOMPARE(in.Programs[1].Time, QTime(23, 45));
        QVERIFY(in.Programs[2].sameContent(sample(77)));
        QCOMPARE(CorrectedSlotsWarning(in.CorrectedSlots),
                 QStringLiteral("The date or time of program(s) 005, 009 did not exist and was corrected."));
        QVERIFY(CorrectedSlotsWarning({}).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestScheduleFile)
#include "test_schedulefile.moc"
