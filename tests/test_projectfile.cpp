#include "TestSupport.h"
#include "project/LineReader.h"
#include "project/ProjectFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QList<QByteArray> EmptyProjectLines = {
    "Group Of Program File of ORBEX", "*****", "New Project", "", "", "", "", "", "", "1", "...", "*****", "0", "*****",
};

// The block of a new program with Inputs 1, dated 5 March 2009 at 07:05.
const QList<QByteArray> DefaultProgramBlock = {
    "1",   "no",  "no",  "yes", "7",   "5",   "05/03/2009", "1",     "0", "1",   "1",
    "1",   "1",   "1",   "1",   "1",   "0",   "0",          "0",     "0", "0",   "0",
    "255", "255", "255", "255", "255", "255", "...",        "33023", "1", "...", "*****",
};

const QDateTime March5 = QDateTime(QDate(2009, 3, 5), QTime(7, 5, 42));

Project emptyProject() {
    Project p;
    p.Group.ProjectName = QStringLiteral("New Project");
    return p;
}

// A project with one default program, followed by its file lines.
QList<QByteArray> oneProgramLines() {
    QList<QByteArray> lines = EmptyProjectLines;
    lines[12] = "1";
    return lines + DefaultProgramBlock;
}

Project variedProject() {
    Project project;
    TORBEXGroup &g = project.Group;
    g.ProjectName = QStringLiteral("Été à Noël – «€»");
    g.Subject = QStringLiteral("Annonces du magasin");
    g.Author = QStringLiteral("Jürgen Weiß");
    g.RightsNotice = QStringLiteral("© 2009 ™");
    g.Customer = QStringLiteral("Señora Núñez");
    g.CreationDate = QStringLiteral("05/03/2009");
    g.DiffusionDate = QString();
    g.Comments = {QStringLiteral("première ligne"), QString(), QStringLiteral("  espaces  ")};

    TORBEXProg a(March5);
    a.Inputs = 17;
    a.Priority = 1;
    a.TimerOn = 1;
    a.Active = 0;
    a.SetHour(23);
    a.SetMinute(59);
    a.SetDate(2099, 12, 31);
    a.DayOftheWeek = 7;
    a.TimerMode = 2;
    a.ActionCount = 6;
    a.ActionKind = {0, 3, 4, 6, 8, 12};
    a.ActionParam = {1, 12, 30, 200, 17, 255};
    a.ActionValue = {0, 1, 2, 128, 254, 255};
    a.Title = QStringLiteral("Fermeture – «dernière» annonce");
    a.Color = 0xFFFFFF;
    a.Comments = {};

    TORBEXProg b(March5);
    b.Inputs = 255;
    b.SetHour(0);
    b.SetMinute(0);
    b.SetDate(2000, 2, 29);
    b.Title = QString();
    b.Color = 0xFFFFFFFF; // written as -1
    b.Comments = {QStringLiteral("a"), QStringLiteral("ß€ŒŸ")};
    project.Programs = {a, b};
    return project;
}

bool sameProject(const Project &a, const Project &b) {
    if (!(a.Group == b.Group) || a.Programs.size() != b.Programs.size())
        return false;
    for (qsizetype i = 0; i < a.Programs.size(); ++i)
        if (!a.Programs[i].sameContent(b.Programs[i]))
            return false;
    return true;
}

QString statusName(LineReader::Status s) {
    switch (s) {
    case LineReader::Status::Ok:
        return QStringLiteral("ok");
    case LineReader::Status::PastEnd:
        return QStringLiteral("end");
    case LineReader::Status::TooLong:
        return QStringLiteral("long");
    case LineReader::Status::ReadError:
        return QStringLiteral("error");
    }
    return {};
}

// Every line of `bytes` up to and including the first one past the end, as "text" for an
// ordinary line and "<status>" otherwise.
QStringList readLines(const QByteArray &bytes, qsizetype maxLineBytes = LineReader::DefaultMaxLineBytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    LineReader reader(buffer, maxLineBytes);
    QStringList out;
    for (int expected = 1; expected < 1000; ++expected) {
        const LineReader::Line l = reader.next();
        if (l.number != expected)
            return {QStringLiteral("line number %1 instead of %2").arg(l.number).arg(expected)};
        if (l.status == LineReader::Status::Ok) {
            out << QString::fromLatin1(l.bytes);
            continue;
        }
        out << QLatin1Char('<') + statusName(l.status) + QLatin1Char('>');
        if (l.status == LineReader::Status::PastEnd)
            break;
    }
    return out;
}

} // namespace

class TestProjectFile : public QObject {
    Q_OBJECT

private slots:
    // --- Lines ---

    void lineReader_splitsLines_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray() << QStringList{"<end>"};
        QTest::newRow("crlf") << QByteArray("a\r\nbc\r\n") << QStringList{"a", "bc", "<end>"};
        QTest::newRow("no final line end") << QByteArray("a\r\nbc") << QStringList{"a", "bc", "<end>"};
        QTest::newRow("empty lines") << QByteArray("\r\n\r\nx\r\n") << QStringList{"", "", "x", "<end>"};
        QTest::newRow("lone lf ends a line") << QByteArray("a\nb\r\nc\n") << QStringList{"a", "b", "c", "<end>"};
        QTest::newRow("lone cr ends a line") << QByteArray("a\rb\r\r\nc") << QStringList{"a", "b", "", "c", "<end>"};
        QTest::newRow("lf then cr") << QByteArray("a\n\rb") << QStringList{"a", "", "b", "<end>"};
        QTest::newRow("0x1a ends the file") << QByteArray("a\r\n\x1a"
                                                          "b\r\n")
                                            << QStringList{"a", "<end>"};
        QTest::newRow("0x1a inside a line") << QByteArray("ab\x1a"
                                                          "cd\r\n")
                                            << QStringList{"ab", "<end>"};
        QTest::newRow("0x1a first") << QByteArray("\x1a"
                                                  "a\r\n")
                                    << QStringList{"<end>"};
        QTest::newRow("0x1a after cr") << QByteArray("a\r\x1a\n") << QStringList{"a", "<end>"};
        QTest::newRow("nul bytes kept") << QByteArray("a\0b\r\n", 5)
                                        << QStringList{QString::fromLatin1("a\0b", 3), "<end>"};
    }
    void lineReader_splitsLines() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(readLines(bytes), lines);
    }

    void lineReader_keepsCountingPastTheEnd() {
        QBuffer buffer;
        buffer.setData("a\r\n");
        buffer.open(QIODevice::ReadOnly);
        LineReader reader(buffer);
        QVERIFY(!reader.atEnd());
        QCOMPARE(reader.next().number, 1);
        QVERIFY(reader.atEnd());
        for (int n = 2; n < 5; ++n) {
            const LineReader::Line l = reader.next();
            QCOMPARE(l.number, n);
            QCOMPARE(l.status, LineReader::Status::PastEnd);
            QVERIFY(l.bytes.isEmpty());
        }
    }

    void lineReader_crLfAcrossChunks_isOneLineEnd() {
        // The reader fills 64 KiB at a time: put the CR last in the first chunk.
        const QByteArray longLine(64 * 1024 - 1, 'x');
        const QStringList lines = readLines(longLine + "\r\nnext\r\n");
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].size(), longLine.size());
        QCOMPARE(lines[1], QStringLiteral("next"));
    }

    void lineReader_tooLongLine_isReportedAndSkipped_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("at the limit") << QByteArray("12345678\r\nab") << QStringList{"12345678", "ab", "<end>"};
        QTest::newRow("over the limit") << QByteArray("123456789\r\nab") << QStringList{"<long>", "ab", "<end>"};
        QTest::newRow("over, lf") << QByteArray("123456789\nab") << QStringList{"<long>", "ab", "<end>"};
        QTest::newRow("over, to the end") << QByteArray("123456789") << QStringList{"<long>", "<end>"};
        QTest::newRow("over, then 0x1a") << QByteArray("123456789\x1a"
                                                       "ab")
                                         << QStringList{"<long>", "<end>"};
    }
    void lineReader_tooLongLine_isReportedAndSkipped() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(readLines(bytes, 8), lines);
    }

    void lineReader_tooLongLineAcrossChunks_isSkippedWhole() {
        const QByteArray huge(200 * 1024, 'y');
        QCOMPARE(readLines(huge + "\r\nz", 1024), (QStringList{"<long>", "z", "<end>"}));
    }

    // --- Writing: fixtures ---

    void emptyProject_writesFourteenLines() {
        QString error;
        QCOMPARE(projectFileBytes(emptyProject(), &error), crlf(EmptyProjectLines));
        QVERIFY(error.isEmpty());
    }

    void defaultProgram_writesThirtyThreeLineBlock() {
        Project project = emptyProject();
        project.Programs.append(TORBEXProg(March5));
        QCOMPARE(projectFileBytes(project), crlf(oneProgramLines()));
    }

    void programFields_writeAsDocumented_data() {
        QTest::addColumn<int>("blockLine");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("field");
        // field: 0 colour 0x808000, 1 colour 0xFF000000, 2 flags 2, 3 hour/minute 0:09 date 1/1/0999,
        // 4 byte fields
        QTest::newRow("colour 0x808000") << 30 << QByteArray("8421376") << 0;
        QTest::newRow("colour with high bit is negative") << 30 << QByteArray("-16777216") << 1;
        QTest::newRow("flag 2 is no") << 2 << QByteArray("no") << 2;
        QTest::newRow("hour not padded") << 5 << QByteArray("0") << 3;
        QTest::newRow("minute not padded") << 6 << QByteArray("9") << 3;
        QTest::newRow("year padded to four") << 7 << QByteArray("01/01/0999") << 3;
        QTest::newRow("day of week") << 8 << QByteArray("7") << 4;
        QTest::newRow("action value 6") << 28 << QByteArray("0") << 4;
    }
    void programFields_writeAsDocumented() {
        QFETCH(int, blockLine);
        QFETCH(QByteArray, text);
        QFETCH(int, field);
        TORBEXProg p(March5);
        switch (field) {
        case 0:
            p.Color = 0x808000;
            break;
        case 1:
            p.Color = 0xFF000000;
            break;
        case 2:
            p.Priority = 2;
            break;
        case 3:
            QVERIFY(p.SetHour(0) && p.SetMinute(9) && p.SetDate(999, 1, 1));
            break;
        case 4:
            p.DayOftheWeek = 7;
            p.ActionValue[5] = 0;
            break;
        }
        Project project = emptyProject();
        project.Programs.append(p);
        const QList<QByteArray> lines = projectFileBytes(project).split('\n');
        QCOMPARE(lines.value(EmptyProjectLines.size() + blockLine - 1), text + '\r');
    }

    void emptyCommentList_writesZeroThenSeparator() {
        Project project = emptyProject();
        project.Group.Comments.clear();
        project.Programs.append(TORBEXProg(March5));
        project.Programs[0].Comments.clear();
        QList<QByteArray> expected = oneProgramLines();
        expected[9] = "0";
        expected.removeAt(10);
        expected.removeAt(expected.size() - 2); // the program's "..."
        expected[expected.size() - 2] = "0";
        QCOMPARE(projectFileBytes(project), crlf(expected));
    }

    void accentedText_isWrittenAsSingleBytes() {
        Project project = emptyProject();
        project.Group.ProjectName = QStringLiteral("Noël €");
        QCOMPARE(projectFileBytes(project).split('\n').value(2), QByteArray("No\xebl \x80\r"));
    }

    // --- Writing: refusals ---

    void unwritableProject_isRefusedNamingWhere_data() {
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("message");
        QTest::newRow("256 program comment lines")
            << 0 << QStringLiteral("program 042 \"Morning\": 256 comment lines; a project file holds at most 255");
        QTest::newRow("256 project comment lines")
            << 1 << QStringLiteral("the project properties: 256 comment lines; a project file holds at most 255");
        QTest::newRow("title outside the code page")
            << 2
            << QStringLiteral(
                   "program 042 \"Morning\u4e2d\": the title holds the character \"\u4e2d\", which cannot be "
                   "written in Windows-1252");
        QTest::newRow("comment outside the code page")
            << 3
            << QStringLiteral("program 042 \"Morning\": comment line 2 holds the character \"\U0001F600\", which "
                              "cannot be written in Windows-1252");
        QTest::newRow("author outside the code page")
            << 4
            << QStringLiteral("the project properties: the author holds the character \"\u0416\", which cannot be "
                              "written in Windows-1252");
        QTest::newRow("line break in a title")
            << 5
            << QStringLiteral("program 042 \"a\nb\": the title holds a line break or control character that a "
                              "project file cannot store");
        QTest::newRow("title with a placeholder")
            << 7 << QStringLiteral("program 042 \"50%2 off\": 256 comment lines; a project file holds at most 255");
        QTest::newRow("256 programs") << 6
                                      << QStringLiteral(
                                             "the project holds 256 programs; a project file holds at most 255");
    }
    void unwritableProject_isRefusedNamingWhere() {
        QFETCH(int, what);
        QFETCH(QString, message);
        Project project = emptyProject();
        TORBEXProg p(March5);
        p.Inputs = 42;
        p.Title = QStringLiteral("Morning");
        switch (what) {
        case 0:
            p.Comments = QStringList(256, QStringLiteral("x"));
            break;
        case 1:
            project.Group.Comments = QStringList(256, QStringLiteral("x"));
            break;
        case 2:
            p.Title += QChar(0x4e2d);
            break;
        case 3:
            p.Comments = {QStringLiteral("ok"), QStringLiteral("smile \U0001F600")};
            break;
        case 4:
            project.Group.Author = QStringLiteral("\u0416");
            break;
        case 5:
            p.Title = QStringLiteral("a\nb");
            break;
        case 6:
            project.Programs = QList<TORBEXProg>(255, p);
            break;
        case 7:
            p.Title = QStringLiteral("50%2 off");
            p.Comments = QStringList(256, QStringLiteral("x"));
            break;
        }
        project.Programs.append(p);

        QString error;
        QVERIFY(projectFileBytes(project, &error).isEmpty());
        QCOMPARE(error, message);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.prg"));
        QVERIFY(writeAll(path, "old contents"));
        QVERIFY(!WriteProjectFile(path, project, &error));
        QCOMPARE(error, QStringLiteral("\"%1\" was not saved: %2").arg(path, message));
        QCOMPARE(readAll(path), QByteArray("old contents"));
    }

    void twoHundredFiftyFiveCommentLines_areWritten() {
        Project project = emptyProject();
        project.Group.Comments = QStringList(255, QStringLiteral("c"));
        QString error;
        const QByteArray bytes = projectFileBytes(project, &error);
        QVERIFY2(!bytes.isEmpty(), qPrintable(error));
        Project back;
        QVERIFY(ReadProjectData(bytes, QStringLiteral("mem"), back, &error));
        QCOMPARE(back.Group.Comments.size(), 255);
    }

    // --- Round trips ---

    void roundTrip_givesEveryFieldBack_data() {
        QTest::addColumn<bool>("throughFile");
        QTest::newRow("in memory") << false;
        QTest::newRow("through a file") << true;
    }
    void roundTrip_givesEveryFieldBack() {
        QFETCH(bool, throughFile);
        const Project original = variedProject();
        Project back;
        QString error;
        if (throughFile) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("p.prg"));
            QVERIFY2(WriteProjectFile(path, original, &error), qPrintable(error));
            QVERIFY2(ReadProjectFile(path, back, &error), qPrintable(error));
        } else {
            const QByteArray bytes = projectFileBytes(original, &error);
            QVERIFY2(!bytes.isEmpty(), qPrintable(error));
            QVERIFY2(ReadProjectData(bytes, QStringLiteral("mem"), back, &error), qPrintable(error));
        }
        QVERIFY(sameProject(original, back));
        QCOMPARE(back.Programs[1].Color, 0xFFFFFFFFu);
        QCOMPARE(back.Group.ProjectName, QStringLiteral("Été à Noël – «€»"));
    }

    void savingAgain_replacesTheOldFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.prg"));
        QVERIFY(writeAll(path, QByteArray(10000, 'z')));
        QVERIFY(WriteProjectFile(path, emptyProject()));
        QCOMPARE(readAll(path), crlf(EmptyProjectLines));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.prg")});
    }

    // --- Reading ---

    void emptyProject_readsBack_data() {
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("nothing more") << QByteArray();
        QTest::newRow("0x1a and garbage after it") << QByteArray("\x1a\xff\x00garbage", 10);
        QTest::newRow("empty lines after it") << QByteArray("\r\n\r\n\r\n");
        QTest::newRow("anything after it") << QByteArray("trailing text\r\n12\r\n");
    }
    void emptyProject_readsBack() {
        QFETCH(QByteArray, tail);
        Project back;
        back.Programs.append(TORBEXProg());
        QString error;
        QVERIFY2(ReadProjectData(crlf(EmptyProjectLines) + tail, QStringLiteral("e.prg"), back, &error),
                 qPrintable(error));
        QVERIFY(sameProject(back, emptyProject()));
    }

    void defaultProgramBlock_readsAsNewProgram() {
        Project back;
        QString error;
        QVERIFY2(ReadProjectData(crlf(oneProgramLines()), QStringLiteral("d.prg"), back, &error), qPrintable(error));
        QCOMPARE(back.Programs.size(), 1);
        QVERIFY(back.Programs[0].sameContent(TORBEXProg(March5)));
        QCOMPARE(back.Programs[0].Time, QTime(7, 5));
    }

    void fieldValues_areConvertedAsDocumented_data() {
        QTest::addColumn<int>("blockLine");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<qint64>("value");
        QTest::newRow("Yes is not yes") << 4 << QByteArray("Yes") << "Active" << qint64(0);
        QTest::newRow("yes with blank is not yes") << 4 << QByteArray("yes ") << "Active" << qint64(0);
        QTest::newRow("any text gives 0") << 2 << QByteArray("true") << "Priority" << qint64(0);
        QTest::newRow("yes gives 1") << 2 << QByteArray("yes") << "Priority" << qint64(1);
        QTest::newRow("300 keeps low 8 bits") << 1 << QByteArray("300") << "Inputs" << qint64(44);
        QTest::newRow("-1 keeps low 8 bits") << 8 << QByteArray("-1") << "DayOftheWeek" << qint64(255);
        QTest::newRow("leading spaces") << 9 << QByteArray("  3") << "TimerMode" << qint64(3);
        QTest::newRow("plus sign") << 10 << QByteArray("+4") << "ActionCount" << qint64(4);
        QTest::newRow("leading zeros") << 17 << QByteArray("007") << "ActionParam1" << qint64(7);
        QTest::newRow("negative colour") << 30 << QByteArray("-1") << "Color" << qint64(0xFFFFFFFF);
        QTest::newRow("lowest colour") << 30 << QByteArray("-2147483648") << "Color" << qint64(0x80000000);
        QTest::newRow("highest colour") << 30 << QByteArray("2147483647") << "Color" << qint64(0x7FFFFFFF);
        QTest::newRow("date with other separators") << 7 << QByteArray("29-02-2000") << "Day" << qint64(29);
        QTest::newRow("date, trailing text ignored") << 7 << QByteArray("05/11/2009 12:00") << "Month" << qint64(11);
        QTest::newRow("date, short year") << 7 << QByteArray("05/03/20") << "Year" << qint64(20);
    }
    void fieldValues_areConvertedAsDocumented() {
        QFETCH(int, blockLine);
        QFETCH(QByteArray, text);
        QFETCH(QString, field);
        QFETCH(qint64, value);
        QList<QByteArray> lines = oneProgramLines();
        lines[EmptyProjectLines.size() + blockLine - 1] = text;
        Project back;
        QString error;
        QVERIFY2(ReadProjectData(crlf(lines), QStringLiteral("f.prg"), back, &error), qPrintable(error));
        const TORBEXProg &p = back.Programs.at(0);
        const QHash<QString, qint64> fields = {
            {"Inputs", p.Inputs},
            {"Priority", p.Priority},
            {"Active", p.Active},
            {"DayOftheWeek", p.DayOftheWeek},
            {"TimerMode", p.TimerMode},
            {"ActionCount", p.ActionCount},
            {"ActionParam1", p.ActionParam[0]},
            {"Color", p.Color},
            {"Day", p.GetDay()},
            {"Month", p.GetMonth()},
            {"Year", p.GetYear()},
        };
        QVERIFY(fields.contains(field));
        QCOMPARE(fields.value(field), value);
    }

    void badLine_failsNamingFileLineAndExpectation_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("message");
        // Lines of the one-program file: 13 program count, 15 code, 19 hour, 20 minute, 21 date,
        // 44 colour.
        QTest::newRow("hour 24") << 19 << QByteArray("24") << "expected the hour (0..23), found \"24\"";
        QTest::newRow("hour -1") << 19 << QByteArray("-1") << "expected the hour (0..23), found \"-1\"";
        QTest::newRow("minute 60") << 20 << QByteArray("60") << "expected the minute (0..59), found \"60\"";
        QTest::newRow("31 February") << 21 << QByteArray("31/02/2009")
                                     << "expected the date (dd/mm/yyyy), found \"31/02/2009\"";
        QTest::newRow("date unpadded") << 21 << QByteArray("5/3/2009")
                                       << "expected the date (dd/mm/yyyy), found \"5/3/2009\"";
        QTest::newRow("year 0") << 21 << QByteArray("01/01/0000")
                                << "expected the date (dd/mm/yyyy), found \"01/01/0000\"";
        QTest::newRow("date cut") << 21 << QByteArray("05/03") << "expected the date (dd/mm/yyyy), found \"05/03\"";
        QTest::newRow("code not a number")
            << 15 << QByteArray("abc") << "expected the program code (a number), found \"abc\"";
        QTest::newRow("trailing blank") << 15 << QByteArray("7 ")
                                        << "expected the program code (a number), found \"7 \"";
        QTest::newRow("hexadecimal") << 15 << QByteArray("$1F")
                                     << "expected the program code (a number), found \"$1F\"";
        QTest::newRow("empty number line") << 15 << QByteArray() << "expected the program code (a number), found \"\"";
        QTest::newRow("colour beyond 32 bits")
            << 44 << QByteArray("2147483648") << "expected the colour (a number), found \"2147483648\"";
        QTest::newRow("1000 programs") << 13 << QByteArray("1000")
                                       << "expected the number of programs (0..255), found \"1000\"";
        QTest::newRow("256 programs") << 13 << QByteArray("256")
                                      << "expected the number of programs (0..255), found \"256\"";
        QTest::newRow("negative comment count") << 10 << QByteArray("-1")
                                                << "expected the number of project comment lines (0..65535), found "
                                                   "\"-1\"";
        QTest::newRow("long text is cut in the message")
            << 15 << QByteArray(100, 'q')
            << QStringLiteral("expected the program code (a number), found \"%1...\"").arg(QString(40, u'q'));
        QTest::newRow("windows-1252 text in the message")
            << 15 << QByteArray("\x80\xe9") << "expected the program code (a number), found \"€é\"";
        QTest::newRow("line too long") << 3 << QByteArray(LineReader::DefaultMaxLineBytes + 1, 'n')
                                       << "expected the project name, found a line longer than 1048576 bytes";
    }
    void badLine_failsNamingFileLineAndExpectation() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, message);
        QList<QByteArray> lines = oneProgramLines();
        lines[line - 1] = text;
        Project out = variedProject();
        QString error;
        // A placeholder in the file name is shown as it is.
        QVERIFY(!ReadProjectData(crlf(lines), QStringLiteral("/x/%2a.prg"), out, &error));
        QCOMPARE(error,
                 QStringLiteral("\"/x/%2a.prg\", line ") + QString::number(line) + QStringLiteral(": ") + message);
        QVERIFY(sameProject(out, variedProject()));
    }

    void truncatedAtAnyLine_failsAtTheMissingLine() {
        const QList<QByteArray> lines = variedProjectLines();
        for (qsizetype kept = 0; kept < lines.size(); ++kept) {
            Project out;
            QString error;
            QVERIFY2(!ReadProjectData(crlf(lines.mid(0, kept)), QStringLiteral("t.prg"), out, &error),
                     qPrintable(QString::number(kept)));
            QVERIFY2(error.startsWith(QStringLiteral("\"t.prg\", line %1: expected ").arg(kept + 1)),
                     qPrintable(error));
            QVERIFY2(error.endsWith(QStringLiteral(", found the end of the file")), qPrintable(error));
        }
    }

    void truncatedAtAnyByte_failsUnlessTheLastLineHasBegun() {
        const QByteArray full = crlf(variedProjectLines());
        const qsizetype lastLineStart = full.lastIndexOf("\r\n", full.size() - 3) + 2;
        for (qsizetype n = 0; n <= full.size(); ++n) {
            Project out;
            const bool ok = ReadProjectData(full.left(n), QStringLiteral("t.prg"), out);
            QVERIFY2(ok == (n > lastLineStart), qPrintable(QString::number(n)));
        }
    }

    void commentCount_isBoundedByTheFile() {
        QList<QByteArray> lines = oneProgramLines();
        lines[lines.size() - 3] = "65535"; // the program's comment count
        Project out;
        QString error;
        QVERIFY(!ReadProjectData(crlf(lines), QStringLiteral("c.prg"), out, &error));
        QCOMPARE(error,
                 QStringLiteral("\"c.prg\", line %1: expected comment line 3 of 65535, found the end of the file")
                     .arg(lines.size() + 1));
        lines[lines.size() - 3] = "65536";
        QVERIFY(!ReadProjectData(crlf(lines), QStringLiteral("c.prg"), out, &error));
        QVERIFY2(error.contains(QStringLiteral("expected the number of comment lines (0..65535)")), qPrintable(error));
    }

    void moreThan255CommentLines_areRead() {
        QList<QByteArray> lines = oneProgramLines();
        lines[lines.size() - 3] = "300";
        lines.removeAt(lines.size() - 2);
        for (int i = 0; i < 300; ++i)
            lines.insert(lines.size() - 1, "c" + QByteArray::number(i));
        Project out;
        QString error;
        QVERIFY2(ReadProjectData(crlf(lines), QStringLiteral("c.prg"), out, &error), qPrintable(error));
        QCOMPARE(out.Programs[0].Comments.size(), 300);
        QCOMPARE(out.Programs[0].Comments.last(), QStringLiteral("c299"));
    }

    void progress_isReportedPerProgram() {
        QList<std::pair<int, int>> calls;
        Project out;
        QVERIFY(ReadProjectData(projectFileBytes(variedProject()), QStringLiteral("p"), out, nullptr,
                                [&](int done, int total) {
                                    calls.append({done, total});
                                }));
        QCOMPARE(calls, (QList<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 2}}));
    }

    void missingFile_failsNamingIt() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gone.prg"));
        Project out;
        QString error;
        QVERIFY(!ReadProjectFile(path, out, &error));
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be opened: ").arg(path)), qPrintable(error));
    }

    void mutatedFiles_failOrReadConsistently() {
        // Random damage to a valid file: each read either fails with a located message or gives a
        // project that writes and reads back to itself.
        const QByteArray valid = projectFileBytes(variedProject());
        QRandomGenerator random(1234);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = valid;
            const int edits = 1 + random.bounded(4);
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(bytes.size());
                switch (random.bounded(3)) {
                case 0:
                    bytes[at] = char(random.bounded(256));
                    break;
                case 1:
                    bytes.remove(at, 1 + random.bounded(8));
                    break;
                case 2:
                    bytes.insert(at, "\r\n\x1a\n9"[random.bounded(5)]);
                    break;
                }
            }
            Project out;
            QString error;
            if (!ReadProjectData(bytes, QStringLiteral("m.prg"), out, &error)) {
                QVERIFY2(error.startsWith(QStringLiteral("\"m.prg\", line ")), qPrintable(error));
                continue;
            }
            QString writeError;
            const QByteArray again = projectFileBytes(out, &writeError);
            if (again.isEmpty())
                continue; // e.g. a control byte landed in a text line
            Project back;
            QVERIFY(ReadProjectData(again, QStringLiteral("again"), back, &error));
            QVERIFY(sameProject(out, back));
        }
    }

    void hundredMegabyteGarbage_failsWithoutReadingItAll_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("no line ends") << 0 << "line 1: expected the header line, found a line longer than";
        QTest::newRow("random bytes") << 1 << "line ";
        QTest::newRow("line ends only") << 2 << "line 10: expected the number of project comment lines";
    }
    void hundredMegabyteGarbage_failsWithoutReadingItAll() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.prg"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QRandomGenerator random(7);
            QByteArray chunk(1 << 20, 'x');
            for (int mb = 0; mb < 100; ++mb) {
                if (kind == 1)
                    random.fillRange(reinterpret_cast<quint32 *>(chunk.data()), chunk.size() / 4);
                else if (kind == 2)
                    chunk.fill('\n');
                QCOMPARE(f.write(chunk), chunk.size());
            }
        }
        Project out;
        QString error;
        QVERIFY(!ReadProjectFile(path, out, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
    }

    // --- Atomic save ---

    void failedSave_leavesOldFileUntouched_fileSizeLimit() {
        // A file size limit makes writes fail like a full disk, also for root.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.prg"));
        const QByteArray old = crlf(EmptyProjectLines);
        QVERIFY(writeAll(path, old));

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 512;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        Project bigger = variedProject();
        bigger.Programs.append(QList<TORBEXProg>(20, TORBEXProg(March5)));
        QString error;
        const bool ok = WriteProjectFile(path, bigger, &error);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!ok);
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be written: ").arg(path)), qPrintable(error));
        QCOMPARE(readAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("p.prg")});
    }

    void failedSave_namesTheFile_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("parent is a regular file") << "plain/p.prg";
        QTest::newRow("folder gone") << "gone/p.prg";
    }
    void failedSave_namesTheFile() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QVERIFY(writeAll(dir.filePath(QStringLiteral("plain")), "not a folder"));
        const QString path = dir.filePath(relative);
        QString error;
        QVERIFY(!WriteProjectFile(path, emptyProject(), &error));
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)), qPrintable(error));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("plain"))), QByteArray("not a folder"));
    }

    void failedSave_leavesOldFileUntouched_readOnlyFolder() {
        if (geteuid() == 0)
            QSKIP("permission bits do not stop root from writing; the file size limit case covers root");
        QTemporaryDir dir;
        const QString sub = dir.filePath(QStringLiteral("ro"));
        QVERIFY(QDir().mkdir(sub));
        const QString path = sub + QStringLiteral("/p.prg");
        QVERIFY(writeAll(path, "old"));
        QVERIFY(QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QString error;
        const bool ok = WriteProjectFile(path, emptyProject(), &error);
        QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!ok);
        QVERIFY2(error.startsWith(QStringLiteral("\"%1\" could not be created: ").arg(path)), qPrintable(error));
        QCOMPARE(readAll(path), QByteArray("old"));
    }

private:
    static QList<QByteArray> variedProjectLines() {
        QList<QByteArray> lines = projectFileBytes(variedProject()).split('\n');
        lines.removeLast(); // after the last line end
        for (QByteArray &l : lines)
            l.chop(1); // the CR
        return lines;
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_projectfile.moc"
