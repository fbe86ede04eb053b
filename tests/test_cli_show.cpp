#include "TestSupport.h"
#include "model/Project.h"
#include "player/ScheduleFile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Five programs, not in code order: the four timer modes at 14:30 on 5 December 2026 (day of
// the week 1), then one with its timer off. CR LF, Windows-1252 ("Déjà vu").
const QByteArray ProjectFixture =
    "Group Of Program File of ORBEX\r\n*****\r\nShow test\r\nSubject\r\nAuthor\r\nRights\r\nCustomer\r\n"
    "01/12/2026\r\n05/12/2026\r\n1\r\n...\r\n*****\r\n5\r\n*****\r\n"
    // 010: on a date, SONG then T007
    "10\r\nno\r\nyes\r\nyes\r\n14\r\n30\r\n05/12/2026\r\n1\r\n0\r\n2\r\n1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n"
    "0\r\n7\r\n0\r\n0\r\n0\r\n0\r\n255\r\n255\r\n255\r\n255\r\n255\r\n255\r\nMorning news\r\n33023\r\n0\r\n*****\r\n"
    // 003: every day, three actions (transport 11 shows "---")
    "3\r\nyes\r\nyes\r\nyes\r\n14\r\n30\r\n05/12/2026\r\n1\r\n1\r\n3\r\n3\r\n4\r\n8\r\n1\r\n1\r\n1\r\n"
    "11\r\n5\r\n2\r\n0\r\n0\r\n0\r\n255\r\n255\r\n255\r\n255\r\n255\r\n255\r\nD\xE9j\xE0 vu\r\n65408\r\n0\r\n*****\r\n"
    // 200: every week on day 1, no action counted though slots hold some
    "200\r\nno\r\nyes\r\nno\r\n14\r\n30\r\n05/12/2026\r\n1\r\n2\r\n0\r\n2\r\n2\r\n2\r\n2\r\n2\r\n2\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n255\r\n255\r\n255\r\n255\r\n255\r\n255\r\n...\r\n33023\r\n1\r\n...\r\n*****\r\n"
    // 001: every hour, six actions
    "1\r\nno\r\nyes\r\nyes\r\n14\r\n30\r\n05/12/2026\r\n1\r\n3\r\n6\r\n5\r\n6\r\n9\r\n10\r\n11\r\n12\r\n"
    "3\r\n12\r\n1\r\n2\r\n3\r\n4\r\n0\r\n1\r\n255\r\n255\r\n255\r\n255\r\nHourly\r\n0\r\n0\r\n*****\r\n"
    // 005: timer off
    "5\r\nno\r\nno\r\nyes\r\n14\r\n30\r\n05/12/2026\r\n1\r\n1\r\n1\r\n2\r\n1\r\n1\r\n1\r\n1\r\n1\r\n"
    "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n255\r\n255\r\n255\r\n255\r\n255\r\n255\r\nOff\r\n33023\r\n0\r\n*****\r\n";

} // namespace

class CliShowTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_projectPath;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // The file kind is read from the content, not from the extension.
        m_projectPath = m_dir.filePath(u"schedule.txt"_s);
        QVERIFY(writeAll(m_projectPath, ProjectFixture));
    }

    // The options, then the schedule of the weekly program in the language they ask for (the
    // schedule texts themselves are the core's).
    void projectFile_printsOneTileLinePerProgramInProjectOrder_data() {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("weekly");
        QTest::newRow("default") << QString() << u"Every : Monday - At : 14:30"_s;
        QTest::newRow("fr") << u"--language fr"_s << u"Tous les : Lundi - A : 14:30"_s;
        QTest::newRow("es") << u"--language es"_s << u"Cada: Lunes - A las: 14:30"_s;
        QTest::newRow("=de") << u"--language=de"_s << u"Jeden: Montag - Um: 14:30"_s;
    }
    void projectFile_printsOneTileLinePerProgramInProjectOrder() {
        QFETCH(QString, options);
        QFETCH(QString, weekly);
        const CliRun run = runCli(QStringList{u"show"_s, m_projectPath} + options.split(u' ', Qt::SkipEmptyParts));
        QCOMPARE(u"%1 %2"_s.arg(run.exitCode).arg(run.err), u"0 "_s);
        QCOMPARE(run.out.section(u'\n', 2, 2), u"200\t...\t"_s + weekly);
        if (options.isEmpty())
            QCOMPARE(run.out, u"010\tMorning news\tDate : 05/12/2026 - At : 14:30\tSONG\tT007\n"
                              "003\tDéjà vu\tEvery day - At : 14:30\t---\tVOL -05\tGO 002\n"
                              "200\t...\tEvery : Monday - At : 14:30\n"
                              "001\tHourly\tStart at : XX:30\tINT 03\tEXT 012\tON 001\tOFF 002\tFTP 3\tEML 004\n"
                              "005\tOff\t...\tSLEEP\n"_s);
    }

    // A player file holds no titles: each program shows the title of a new program.
    void playerFile_printsItsSlotsInSlotOrder() {
        Project project;
        for (const auto &[code, mode, timerOn] : {std::tuple{200, 2, 1}, {7, 3, 1}, {1, 0, 0}}) {
            Program p(QDateTime(QDate(2026, 12, 5), QTime(14, 30)));
            p.Code = quint8(code), p.TimerOn = quint8(timerOn), p.TimerMode = quint8(mode);
            p.Title = u"not in the player"_s;
            project.Programs.append(p);
        }
        Program &second = project.Programs[1];
        second.ActionCount = 2, second.ActionKind = {0, 3, 1, 1, 1, 1}, second.ActionParam = {12, 4, 0, 0, 0, 0};
        const QString path = m_dir.filePath(u"quillon.msg"_s);
        QVERIFY(writeAll(path, BuildScheduleRecords(project, QDateTime(QDate(2026, 12, 1), QTime(8, 0))) + "stamp"));
        const CliRun run = runCli({u"show"_s, path, u"--language"_s, u"it"_s});
        QCOMPARE(u"%1 %2"_s.arg(run.exitCode).arg(run.err), u"0 "_s);
        QCOMPARE(run.out, u"001\t...\t...\tSONG\n"
                          "007\t...\tPartenza alle: XX:30\tT012\tFWD\n"
                          "200\t...\tOgni: Lunedì - Alle: 14:30\tSONG\n"_s);
    }

    // A byte-order mark before the header and a blank after it, in a file as long as a player
    // file: every command still reads a project.
    void headerWithByteOrderMarkAndBlank_isAProjectForEveryCommand() {
        QByteArray file = "\xEF\xBB\xBF" + ProjectFixture;
        file.replace("ORBEX\r\n", "ORBEX \r\n")
            .replace("1\r\n...\r\n*****", "1\r\n" + QByteArray(7000, 'x') + "\r\n*****");
        const QString path = m_dir.filePath(u"marked.prg"_s);
        QVERIFY(writeAll(path, file));
        const CliRun shown = runCli({u"show"_s, path});
        QVERIFY2(shown.exitCode == 0 && shown.out.count(u'\n') == 5 && shown.out.startsWith(u"010\tMorning news\t"_s),
                 qPrintable(shown.out));
        QCOMPARE(runCli({u"check"_s, path}).out.count(u'\n'), 4);
        QCOMPARE(runCli({u"export"_s, path, m_dir.path()}).exitCode, 0);
    }

    void check_namesEachFindingAndExits65() {
        const CliRun run = runCli({u"check"_s, m_projectPath});
        QCOMPARE(run.exitCode, 65);
        QVERIFY2(
            run.out.startsWith(u"003 \"Déjà vu\": action 3 names program 002, which no program of the project has.\n"
                               u"001 \"Hourly\": action 4 names program 002, which no program of the project has.\n"
                               u"200 \"...\" has its timer on but is inactive: it never runs.\n"
                               u"010 \"Morning news\" is set for a date that has passed ("_s) &&
                run.out.count(u'\n') == 4,
            qPrintable(run.out));
        const QString clean = m_dir.filePath(u"clean.prg"_s);
        QVERIFY(writeAll(clean, ProjectFixture.left(ProjectFixture.indexOf("5\r\n*****")) + "0\r\n*****\r\n"));
        const CliRun none = runCli({u"check"_s, clean, u"--language"_s, u"de"_s});
        QCOMPARE(u"%1 "_s.arg(none.exitCode) + none.out,
                 u"0 Keine Auffälligkeit: der Zeitplan verhält sich wie eingegeben.\n"_s);
    }
};

QTEST_GUILESS_MAIN(CliShowTest)
#include "test_cli_show.moc"
