// The player's schedule file quillon.msg: exported against records by hand; the progress of export and import.
#include "ScheduleFixtures.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime ExportMoment(QDate(2026, 12, 5), QTime(14, 30, 7));
const QLocale French(QLocale::French, QLocale::France);

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
            project.Programs.append(Program(ExportMoment));
            project.Programs.last().Code = quint8(other);
            expected[other] = emptyFrame(other, 0x21);
        }
        if (code) {
            project.Programs.prepend(sampleProgram(code));
            project.Programs.first().ActionParam[0] = 1;
            project.Programs.insert(position, sampleProgram(code));
            expected[code] = sampleFixture(code);
        } else {
            project.Programs.clear();
            expected.clear();
        }
        QVERIFY(writeAll(ScheduleFilePath(m_dir.path()), QByteArray(9000, 'x')));
        QStringList log;
        Notice error;
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
};

QTEST_GUILESS_MAIN(TestScheduleFile)
#include "test_schedulefile.moc"
